#include "ledger/batch_table_model.h"

#include "ledger/field_role.h"
#include "store/books_notifier.h"
#include "store/dates.h"
#include "store/money.h"

#include <QDate>
#include <QDateTime>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace {

// Identifiers come from the page, not from the user, but quoting them costs nothing and
// keeps a stray quote from ever changing the statement.
QString quoted(const QString &identifier) {
    QString text = identifier;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool isIntegral(QMetaType type) {
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

bool isNumber(const QVariant &value) {
    return isIntegral(value.metaType()) || value.metaType().id() == QMetaType::Bool;
}

bool same(const QVariant &a, const QVariant &b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a == b;
}

// The forms a person types a date in: 2024-05-03, 2024-5-3, 2024/5/3, with or
// without a time of day.
std::optional<QDateTime> parseTypedDate(const QString &text) {
    static const QStringList formats = [] {
        QStringList list;
        for (const QString &sep : {QStringLiteral("-"), QStringLiteral("/")}) {
            const QString day = QStringLiteral("yyyy%1M%1d").arg(sep);
            list << day + QStringLiteral(" H:m:s") << day + QStringLiteral(" H:m") << day;
        }
        return list;
    }();
    for (const QString &format : formats) {
        QDateTime moment = QDateTime::fromString(text, format);
        if (moment.isValid())
            return moment;
    }
    return std::nullopt;
}

Param bound(int index, const QVariant &value) {
    Param p("v", value);
    p.name = QStringLiteral("v%1").arg(index);
    return p;
}

} // namespace

BatchTableModel::BatchTableModel(Database &db, QObject *parent)
    : QAbstractTableModel(parent), m_db(db) {}

void BatchTableModel::setTable(const QString &table) {
    m_table = table;
}

void BatchTableModel::setQuery(const QString &select, const Params &params) {
    m_select = select;
    m_params = params;
}

void BatchTableModel::setParams(const Params &params) {
    m_params = params;
}

void BatchTableModel::setKeyColumn(const QString &column) {
    m_keyName = column;
}

void BatchTableModel::setBaseColumn(const QString &column, const QString &tableColumn) {
    m_baseOf.insert(column, tableColumn);
}

void BatchTableModel::setColumnKind(const QString &column, Kind kind) {
    m_kindOf.insert(column, kind);
}

void BatchTableModel::setColumnReadOnly(const QString &column) {
    if (!m_readOnly.contains(column))
        m_readOnly << column;
}

void BatchTableModel::addComputedColumn(const QString &heading, Compute compute, int position) {
    m_computed.push_back({heading, std::move(compute), position});
}

void BatchTableModel::load() {
    // Read everything first: a select that fails leaves the model as it was.
    QSqlQuery query = m_db.select(m_select, m_params);
    const QSqlRecord record = query.record();

    std::vector<Column> columns;
    std::vector<int> fieldOf; // record field behind each column, -1 for computed
    for (int i = 0; i < record.count(); ++i) {
        Column c;
        c.name = record.fieldName(i);
        c.heading = c.name;
        c.base = m_baseOf.value(c.name, c.name);
        c.kind = m_kindOf.value(c.name, Kind::Auto);
        if (c.kind == Kind::Auto)
            c.kind = isIntegral(record.field(i).metaType()) ? Kind::Integer : Kind::Text;
        c.readOnly = m_readOnly.contains(c.name);
        columns.push_back(c);
        fieldOf.push_back(i);
    }
    for (const Computed &computed : m_computed) {
        Column c;
        c.name = c.heading = computed.heading;
        c.readOnly = true;
        c.compute = computed.compute;
        const int at = computed.position < 0 || computed.position > int(columns.size())
                           ? int(columns.size())
                           : computed.position;
        columns.insert(columns.begin() + at, c);
        fieldOf.insert(fieldOf.begin() + at, -1);
    }
    int key = -1;
    for (int c = 0; c < int(columns.size()); ++c)
        if (!columns[c].compute && columns[c].name == m_keyName)
            key = c;

    std::vector<Row> rows;
    qint64 order = 0;
    while (query.next()) {
        Row row;
        row.values.resize(columns.size());
        for (int c = 0; c < int(columns.size()); ++c) {
            if (fieldOf[c] < 0)
                continue;
            const QVariant raw = query.value(fieldOf[c]);
            if (raw.isNull())
                continue;
            switch (columns[c].kind) {
            case Kind::Integer:
            case Kind::Money: {
                bool ok = false;
                const qlonglong number = raw.toLongLong(&ok);
                row.values[c] = ok ? QVariant(number) : raw;
                break;
            }
            default:
                row.values[c] = raw.toString();
            }
        }
        row.original = row.values;
        row.touched = QBitArray(int(columns.size()));
        row.order = order++;
        rows.push_back(std::move(row));
    }

    beginResetModel();
    m_columns = std::move(columns);
    m_key = key;
    m_rows = std::move(rows);
    m_deleted.clear();
    m_nextOrder = order;
    endResetModel();
}

int BatchTableModel::column(const QString &name) const {
    for (int c = 0; c < int(m_columns.size()); ++c)
        if (m_columns[c].name == name)
            return c;
    return -1;
}

QString BatchTableModel::columnName(int column) const {
    return column >= 0 && column < int(m_columns.size()) ? m_columns[column].name : QString();
}

QVariant BatchTableModel::value(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    if (m_columns[column].compute)
        return m_columns[column].compute(*this, row);
    return m_rows[row].values[column];
}

QVariant BatchTableModel::value(int row, const QString &column) const {
    return value(row, this->column(column));
}

bool BatchTableModel::setValue(int row, int column, const QVariant &value) {
    return setData(index(row, column), value, Qt::EditRole);
}

bool BatchTableModel::setValue(int row, const QString &column, const QVariant &value) {
    return setValue(row, this->column(column), value);
}

bool BatchTableModel::convert(int column, const QVariant &input, QVariant &stored,
                              QString &message) const {
    stored = QVariant();
    if (!input.isValid() || input.isNull())
        return true;
    const bool isText = input.metaType().id() == QMetaType::QString;
    const QString text = isText ? input.toString().trimmed() : QString();
    // An emptied cell is NULL, so the table's defaults and NOT NULL rules apply.
    if (isText && input.toString().isEmpty())
        return true;

    switch (m_columns[column].kind) {
    case Kind::Money:
        // An amount beyond the typed limit is refused however it arrives, so no list can
        // store what would break the household's sums.
        if (isNumber(input)) {
            if (!Money::fromRaw(input.toLongLong()).withinTypedLimit()) {
                message = Money::errorText(Money::ParseError::TooLarge);
                return false;
            }
            stored = qlonglong(input.toLongLong());
            return true;
        }
        if (isText) {
            if (text.isEmpty())
                return true;
            Money::ParseError error = Money::ParseError::None;
            const auto money = Money::parseTyped(text, &error);
            if (!money) {
                message = Money::errorText(error);
                return false;
            }
            stored = qlonglong(money->raw());
            return true;
        }
        message = Money::errorText(Money::ParseError::NotANumber);
        return false;
    case Kind::Integer:
        if (isNumber(input)) {
            stored = qlonglong(input.toLongLong());
            return true;
        }
        if (isText) {
            if (text.isEmpty())
                return true;
            bool ok = false;
            const qlonglong number = text.toLongLong(&ok);
            if (ok) {
                stored = number;
                return true;
            }
        }
        message = QStringLiteral("请输入整数");
        return false;
    case Kind::Date:
        if (input.metaType().id() == QMetaType::QDate && input.toDate().isValid()) {
            stored = Dates::canonical(input.toDate());
            return true;
        }
        if (input.metaType().id() == QMetaType::QDateTime && input.toDateTime().isValid()) {
            stored = Dates::canonical(input.toDateTime());
            return true;
        }
        if (isText) {
            if (text.isEmpty())
                return true;
            if (const auto moment = parseTypedDate(text)) {
                stored = Dates::canonical(*moment);
                return true;
            }
        }
        message = QStringLiteral("日期格式不对，请按 YYYY-MM-DD 输入");
        return false;
    case Kind::Auto:
    case Kind::Text:
        break;
    }
    stored = input.toString();
    return true;
}

int BatchTableModel::appendRow() {
    const int at = rowCount();
    Row row;
    row.values.resize(int(m_columns.size()));
    row.original = row.values;
    row.touched = QBitArray(int(m_columns.size()));
    row.isNew = true;
    row.order = m_nextOrder++;
    beginInsertRows({}, at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
    return at;
}

void BatchTableModel::deleteRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    if (!m_rows[row].isNew)
        m_deleted.push_back(std::move(m_rows[row]));
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

bool BatchTableModel::removeRows(int row, int count, const QModelIndex &parent) {
    if (parent.isValid() || row < 0 || count < 0 || row + count > rowCount())
        return false;
    for (int r = row + count - 1; r >= row; --r)
        deleteRow(r);
    return true;
}

bool BatchTableModel::isNew(int row) const {
    return row >= 0 && row < rowCount() && m_rows[row].isNew;
}

bool BatchTableModel::isWritten(int column) const {
    const Column &c = m_columns[column];
    return !c.readOnly && !c.compute && column != m_key;
}

bool BatchTableModel::rowChanged(const Row &row) const {
    for (int c = 0; c < int(m_columns.size()); ++c)
        if (isWritten(c) && !same(row.values[c], row.original[c]))
            return true;
    return false;
}

// A new row nobody typed into (nor filled from code) is not a change: it is not saved.
bool BatchTableModel::isTouchedNew(const Row &row) const {
    return row.isNew && row.touched.count(true) > 0;
}

bool BatchTableModel::isRowPending(int row) const {
    if (row < 0 || row >= rowCount())
        return false;
    const Row &r = m_rows[row];
    return r.isNew ? isTouchedNew(r) : rowChanged(r);
}

bool BatchTableModel::hasPendingChanges() const {
    if (!m_deleted.empty())
        return true;
    for (int r = 0; r < rowCount(); ++r)
        if (isRowPending(r))
            return true;
    return false;
}

BatchTableModel::SaveResult BatchTableModel::save(const std::function<void()> &beforeCommit) {
    const bool rowsChanged = hasPendingChanges();
    if (!rowsChanged && !beforeCommit)
        return {};
    if (m_table.isEmpty())
        return {false, -1, QStringLiteral("no table to save to")};

    const QString keyBase = m_key >= 0 ? m_columns[m_key].base : QString();
    const QString noKey = QStringLiteral("这个列表没有主键列，无法保存修改");
    std::vector<std::pair<int, qint64>> newIds;
    int failing = -1;
    try {
        Transaction transaction(m_db);

        // Deletes first, then updates, then inserts: a name freed by a delete or a
        // rename can be taken by a new row of the same batch.
        for (const Row &row : m_deleted) {
            if (m_key < 0)
                throw DbError(noKey);
            m_db.exec(QStringLiteral("delete from %1 where %2=:key")
                          .arg(quoted(m_table), quoted(keyBase)),
                      {{"key", row.original[m_key]}});
        }

        for (int r = 0; r < rowCount(); ++r) {
            const Row &row = m_rows[r];
            if (row.isNew || !rowChanged(row))
                continue;
            failing = r;
            if (m_key < 0)
                throw DbError(noKey);
            QStringList sets;
            Params params;
            for (int c = 0; c < int(m_columns.size()); ++c) {
                if (!isWritten(c) || same(row.values[c], row.original[c]))
                    continue;
                sets << quoted(m_columns[c].base) + QStringLiteral("=:v%1").arg(params.size());
                params.push_back(bound(int(params.size()), row.values[c]));
            }
            params.push_back({"key", row.original[m_key]});
            const int changed =
                m_db.exec(QStringLiteral("update %1 set %2 where %3=:key")
                              .arg(quoted(m_table), sets.join(QLatin1Char(',')), quoted(keyBase)),
                          params);
            // Someone removed the row meanwhile: saying "saved" would be a lie.
            if (changed == 0)
                throw DbError(QStringLiteral("这一行已不在数据库中，修改无法保存"));
        }

        for (int r = 0; r < rowCount(); ++r) {
            const Row &row = m_rows[r];
            if (!isTouchedNew(row))
                continue;
            failing = r;
            QStringList names, holders;
            Params params;
            for (int c = 0; c < int(m_columns.size()); ++c) {
                // Untouched and emptied cells are left out, so defaults apply.
                if (!isWritten(c) || row.values[c].isNull())
                    continue;
                names << quoted(m_columns[c].base);
                holders << QStringLiteral(":v%1").arg(params.size());
                params.push_back(bound(int(params.size()), row.values[c]));
            }
            if (names.isEmpty())
                m_db.exec(QStringLiteral("insert into %1 default values").arg(quoted(m_table)));
            else
                m_db.exec(QStringLiteral("insert into %1 (%2) values (%3)")
                              .arg(quoted(m_table), names.join(QLatin1Char(',')),
                                   holders.join(QLatin1Char(','))),
                          params);
            newIds.emplace_back(
                r, m_db.scalar(QStringLiteral("select last_insert_rowid()")).toLongLong());
        }

        failing = -1;
        if (beforeCommit)
            beforeCommit();
        transaction.commit();
    } catch (const DbError &e) {
        return {false, failing, e.text()};
    }

    // Only now, with the commit done, does anything count as saved.
    m_deleted.clear();
    for (const auto &[r, id] : newIds) {
        Row &row = m_rows[r];
        if (m_key >= 0)
            row.values[m_key] = qlonglong(id);
        row.isNew = false;
        row.touched.fill(false);
    }
    for (Row &row : m_rows)
        if (!row.isNew)
            row.original = row.values;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    if (rowsChanged)
        m_db.notifier().tableChanged(m_table);
    return {};
}

void BatchTableModel::cancel() {
    beginResetModel();
    std::vector<Row> rows;
    for (Row &row : m_rows)
        if (!row.isNew)
            rows.push_back(std::move(row));
    for (Row &row : m_deleted)
        rows.push_back(std::move(row));
    for (Row &row : rows)
        row.values = row.original;
    std::sort(rows.begin(), rows.end(),
              [](const Row &a, const Row &b) { return a.order < b.order; });
    m_rows = std::move(rows);
    m_deleted.clear();
    endResetModel();
}

void BatchTableModel::emitRowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int BatchTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BatchTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant BatchTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const QVariant raw = value(index.row(), index.column());
    if (role == Qt::DisplayRole)
        return raw;
    if (role != Qt::EditRole)
        return {};
    // Always text for editing, so every cell gets a line editor and our own parsing.
    if (raw.isNull())
        return QString();
    switch (m_columns[index.column()].kind) {
    case Kind::Money:
        return Money::fromRaw(raw.toLongLong()).toPlain();
    case Kind::Date:
        return Dates::display(raw.toString());
    default:
        return raw.toString();
    }
}

bool BatchTableModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (!index.isValid() || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    const int r = index.row(), c = index.column();
    if (r >= rowCount() || c >= columnCount() || !isWritten(c))
        return false;
    QVariant stored;
    QString message;
    if (!convert(c, value, stored, message)) {
        emit invalidValue(r, c, message);
        return false;
    }
    Row &row = m_rows[r];
    row.values[c] = stored;
    if (row.isNew)
        row.touched.setBit(c);
    emitRowChanged(r);
    return true;
}

Qt::ItemFlags BatchTableModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() < columnCount() && isWritten(index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant BatchTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == FieldNameRole && orientation == Qt::Horizontal)
        return columnName(section);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < columnCount() ? m_columns[section].heading : QVariant();
}

bool BatchTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                                    int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount() ||
        (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_columns[section].heading = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}
