#pragma once

#include "store/database.h"

#include <QAbstractTableModel>
#include <QBitArray>
#include <QHash>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

// A list read through one select statement and edited in place. Added, changed and
// deleted rows stay pending until save(), which writes them all in one transaction.
// A failed save rolls back and leaves every pending change exactly as it was, so the
// user can mend the offending row and save again; nothing is marked as saved until the
// commit has succeeded.
//
// Raw values (DisplayRole): Money columns hold the integer count of ten-thousandths,
// date columns the canonical text, NULL an invalid QVariant. EditRole gives the text a
// person edits ("12.5", "2024-05-03").
class BatchTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // How a column's values are read from what is typed and written to the database.
    // Auto takes Integer for columns declared INTEGER and Text for the rest.
    enum class Kind { Auto, Integer, Money, Date, Text };

    // A column whose value is worked out from the rest of its row; shown, never written.
    using Compute = std::function<QVariant(const BatchTableModel &model, int row)>;

    struct SaveResult {
        bool ok = true;
        int row = -1;       // the row that failed, -1 for a deleted row or the commit
        QString engineText; // the database's own words
    };

    explicit BatchTableModel(Database &db, QObject *parent = nullptr);

    // Configuration, by the select's column names; it holds across reloads.
    void setTable(const QString &table);
    void setQuery(const QString &select, const Params &params = {});
    void setParams(const Params &params);
    void setKeyColumn(const QString &column); // "id" unless told
    void setBaseColumn(const QString &column, const QString &tableColumn);
    void setColumnKind(const QString &column, Kind kind);
    // Shown and never written (a joined name, a total kept by other code).
    void setColumnReadOnly(const QString &column);
    // position: index among the final columns, -1 for the end.
    void addComputedColumn(const QString &heading, Compute compute, int position = -1);

    // Runs the select and drops every pending change. Throws DbError.
    void load();

    int column(const QString &name) const;
    QString columnName(int column) const;
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString &column) const;
    // Sets a value as if typed (text is parsed by the column's kind); false and
    // invalidValue() when it is refused.
    bool setValue(int row, int column, const QVariant &value);
    bool setValue(int row, const QString &column, const QVariant &value);

    int appendRow(); // gives the new row's index
    // A saved row becomes a pending delete; a row never saved just disappears.
    void deleteRow(int row);
    bool isNew(int row) const;
    bool isRowPending(int row) const;
    bool hasPendingChanges() const;

    // Writes every pending change in one transaction. beforeCommit, when given, runs
    // inside that transaction after the rows are written (statements that must commit
    // together with the batch); its DbError fails the save like a row would.
    SaveResult save(const std::function<void()> &beforeCommit = {});
    void cancel(); // back to the rows as last loaded or saved

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

signals:
    // A value was refused; message is fit to show to the user.
    void invalidValue(int row, int column, const QString &message);

private:
    struct Column {
        QString name;
        QString heading;
        QString base; // table column written to
        Kind kind = Kind::Text;
        bool readOnly = false;
        Compute compute;
    };
    struct Row {
        QVector<QVariant> original; // as loaded or last saved
        QVector<QVariant> values;
        QBitArray touched; // cells given a value since the row was added
        bool isNew = false;
        qint64 order = 0; // place in the loaded list, to put it back on cancel
    };
    struct Computed {
        QString heading;
        Compute compute;
        int position;
    };

    bool isWritten(int column) const;
    bool rowChanged(const Row &row) const;
    bool isTouchedNew(const Row &row) const;
    bool convert(int column, const QVariant &input, QVariant &stored, QString &message) const;
    void emitRowChanged(int row);

    Database &m_db;
    QString m_table;
    QString m_select;
    Params m_params;
    QString m_keyName = QStringLiteral("id");
    QHash<QString, QString> m_baseOf;
    QHash<QString, Kind> m_kindOf;
    QStringList m_readOnly;
    std::vector<Computed> m_computed;

    std::vector<Column> m_columns;
    int m_key = -1;
    std::vector<Row> m_rows;
    std::vector<Row> m_deleted;
    qint64 m_nextOrder = 0;
};
