#include "importing/csv_mapping_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>

namespace {

QComboBox *columnBox(const char *name) {
    auto *box = new QComboBox;
    box->setObjectName(QString::fromUtf8(name));
    box->setAccessibleName(QString::fromUtf8(name));
    box->setMinimumWidth(150);
    return box;
}

void choose(QComboBox *box, int column) {
    box->setCurrentIndex(std::max(0, box->findData(column)));
}

} // namespace

CsvMappingBox::CsvMappingBox(QByteArray bytes, QWidget *parent)
    : QGroupBox(QStringLiteral("列对应"), parent), m_bytes(std::move(bytes)) {
    setObjectName(QStringLiteral("csvMapping"));
    m_encodingBox = new QComboBox;
    m_encodingBox->setObjectName(QStringLiteral("编码"));
    m_encodingBox->setAccessibleName(QStringLiteral("编码"));
    m_encodingBox->addItem(QStringLiteral("UTF-8"), int(TextEncoding::Utf8));
    m_encodingBox->addItem(QStringLiteral("GBK"), int(TextEncoding::Gbk));
    m_heading = new QSpinBox;
    m_heading->setObjectName(QStringLiteral("标题行"));
    m_heading->setAccessibleName(QStringLiteral("标题行"));
    m_heading->setSpecialValueText(QStringLiteral("无"));
    m_mode = new QComboBox;
    m_mode->setObjectName(QStringLiteral("金额方式"));
    m_mode->setAccessibleName(QStringLiteral("金额方式"));
    m_mode->addItem(QStringLiteral("一列，负数为支出"), int(CsvMapping::AmountMode::Signed));
    m_mode->addItem(QStringLiteral("金额列加收支列"), int(CsvMapping::AmountMode::WithKind));
    m_mode->addItem(QStringLiteral("收入、支出两列"), int(CsvMapping::AmountMode::TwoColumns));
    m_date = columnBox("日期列");
    m_amount = columnBox("金额列");
    m_kind = columnBox("收支列");
    m_income = columnBox("收入列");
    m_expense = columnBox("支出列");
    m_counterpart = columnBox("对方列");
    m_note = columnBox("备注列");

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const QList<std::pair<QString, QWidget *>> fields = {
        {QStringLiteral("编码："), m_encodingBox},   {QStringLiteral("标题行："), m_heading},
        {QStringLiteral("金额方式："), m_mode},      {QStringLiteral("日期列："), m_date},
        {QStringLiteral("金额列："), m_amount},      {QStringLiteral("收支列："), m_kind},
        {QStringLiteral("收入列："), m_income},      {QStringLiteral("支出列："), m_expense},
        {QStringLiteral("对方列："), m_counterpart}, {QStringLiteral("备注列："), m_note},
    };
    constexpr int PerLine = 4;
    for (int i = 0; i < fields.size(); ++i) {
        auto *label = new QLabel(fields[i].first, this);
        label->setBuddy(fields[i].second);
        grid->addWidget(label, i / PerLine, (i % PerLine) * 2, Qt::AlignRight);
        grid->addWidget(fields[i].second, i / PerLine, (i % PerLine) * 2 + 1);
    }
    for (int c = 1; c < PerLine * 2; c += 2)
        grid->setColumnStretch(c, 1);

    decode(decodeText(m_bytes).encoding);
    connect(m_encodingBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_updating)
            decode(TextEncoding(m_encodingBox->currentData().toInt()));
    });
    auto controlChanged = [this] {
        if (m_updating)
            return;
        readControls();
        emit changed();
    };
    connect(m_heading, &QSpinBox::valueChanged, this, [this, controlChanged] {
        if (m_updating)
            return;
        m_mapping.headingRecord = m_heading->value() - 1;
        fillColumns(); // the names come from the heading row
        controlChanged();
    });
    for (QComboBox *box :
         {m_mode, m_date, m_amount, m_kind, m_income, m_expense, m_counterpart, m_note})
        connect(box, &QComboBox::currentIndexChanged, this, controlChanged);
}

void CsvMappingBox::decode(TextEncoding encoding) {
    m_encoding = encoding;
    m_records = loadCsv(m_bytes, encoding);
    // The headings read differently in another encoding: guess again.
    m_mapping = guessCsvMapping(m_records);
    showMapping();
    emit changed();
}

void CsvMappingBox::fillColumns() {
    const bool was = m_updating;
    m_updating = true;
    const int heading = m_mapping.headingRecord;
    qsizetype columns = 0;
    for (const CsvRecord &record : std::as_const(m_records))
        columns = std::max(columns, record.fields.size());
    for (QComboBox *box : {m_date, m_amount, m_kind, m_income, m_expense, m_counterpart, m_note}) {
        box->clear();
        box->addItem(QStringLiteral("（无）"), -1);
        for (int c = 0; c < columns; ++c) {
            QString name = QStringLiteral("第%1列").arg(c + 1);
            if (heading >= 0 && heading < m_records.size() && c < m_records[heading].fields.size())
                name += QLatin1Char(' ') + m_records[heading].fields[c].trimmed();
            box->addItem(name, c);
        }
    }
    m_updating = was;
}

void CsvMappingBox::showMapping() {
    m_updating = true;
    choose(m_encodingBox, int(m_encoding));
    m_heading->setRange(0, int(std::max<qsizetype>(1, m_records.size())));
    m_heading->setValue(m_mapping.headingRecord + 1);
    fillColumns();
    m_mode->setCurrentIndex(m_mode->findData(int(m_mapping.amountMode)));
    choose(m_date, m_mapping.dateColumn);
    choose(m_amount, m_mapping.amountColumn);
    choose(m_kind, m_mapping.kindColumn);
    choose(m_income, m_mapping.incomeColumn);
    choose(m_expense, m_mapping.expenseColumn);
    choose(m_counterpart, m_mapping.counterpartColumn);
    choose(m_note, m_mapping.noteColumn);
    m_updating = false;
    readControls();
}

void CsvMappingBox::readControls() {
    m_mapping.amountMode = CsvMapping::AmountMode(m_mode->currentData().toInt());
    m_mapping.dateColumn = m_date->currentData().toInt();
    m_mapping.amountColumn = m_amount->currentData().toInt();
    m_mapping.kindColumn = m_kind->currentData().toInt();
    m_mapping.incomeColumn = m_income->currentData().toInt();
    m_mapping.expenseColumn = m_expense->currentData().toInt();
    m_mapping.counterpartColumn = m_counterpart->currentData().toInt();
    m_mapping.noteColumn = m_note->currentData().toInt();
    using Mode = CsvMapping::AmountMode;
    m_amount->setEnabled(m_mapping.amountMode != Mode::TwoColumns);
    m_kind->setEnabled(m_mapping.amountMode == Mode::WithKind);
    m_income->setEnabled(m_mapping.amountMode == Mode::TwoColumns);
    m_expense->setEnabled(m_mapping.amountMode == Mode::TwoColumns);
}
