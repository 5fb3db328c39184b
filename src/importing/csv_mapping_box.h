#pragma once

#include "bills/generic_csv.h"
#include "bills/text_encoding.h"

#include <QByteArray>
#include <QGroupBox>
#include <QList>

class QComboBox;
class QSpinBox;

// "列对应": how the columns of a bank statement or other CSV make bill rows. It starts
// from the detected encoding and the guessed mapping; the user may change either, and
// every change reads the file again.
class CsvMappingBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CsvMappingBox(QByteArray bytes, QWidget *parent = nullptr);

    const QList<CsvRecord> &records() const { return m_records; }
    CsvMapping mapping() const { return m_mapping; }
    TextEncoding encoding() const { return m_encoding; }

signals:
    // The records or the mapping changed.
    void changed();

private:
    void decode(TextEncoding encoding);
    void fillColumns();
    void showMapping();
    void readControls();

    QByteArray m_bytes;
    TextEncoding m_encoding = TextEncoding::Utf8;
    QList<CsvRecord> m_records;
    CsvMapping m_mapping;
    bool m_updating = false;

    QComboBox *m_encodingBox;
    QSpinBox *m_heading;
    QComboBox *m_mode;
    QComboBox *m_date, *m_amount, *m_kind, *m_income, *m_expense, *m_counterpart, *m_note;
};
