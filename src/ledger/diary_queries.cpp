#include "ledger/diary_queries.h"

#include "ledger/batch_table_model.h"
#include "store/database.h"
#include "store/dates.h"

namespace DiaryQueries {

void configureMonthList(BatchTableModel &model) {
    model.setTable(QStringLiteral("notebook"));
    model.setKeyColumn(idField());
    // A half-open range on the indexed day column instead of taking every date apart.
    model.setQuery(QStringLiteral("select id,n_date as 日期,n_info from notebook"
                                  " where n_date >= :first and n_date < :next order by n_date,id"));
    model.setBaseColumn(dateField(), QStringLiteral("n_date"));
    model.setColumnKind(dateField(), BatchTableModel::Kind::Date);
    model.setColumnKind(textField(), BatchTableModel::Kind::Text);
}

void loadMonth(BatchTableModel &model, int year, int month) {
    const QDate first(year, month, 1);
    model.setParams({{"first", first}, {"next", first.addMonths(1)}});
    model.load();
}

QDate newNoteDate(int year, int month, const QDate &calendarDay) {
    if (calendarDay.isValid() && calendarDay.year() == year && calendarDay.month() == month)
        return calendarDay;
    return QDate(year, month, 1);
}

int appendNote(BatchTableModel &model, int year, int month, const QDate &calendarDay) {
    const int row = model.appendRow();
    model.setValue(row, dateField(), newNoteDate(year, month, calendarDay));
    return row;
}

WriteResult write(BatchTableModel &model) {
    for (int row = 0; row < model.rowCount(); ++row) {
        if (!model.isRowPending(row))
            continue;
        const std::optional<QDateTime> day = Dates::parse(model.value(row, dateField()).toString());
        if (!day)
            return {false, row, QStringLiteral("日记的日期不能为空，请填写日期")};
        if (day->date().year() < FirstYear || day->date().year() > LastYear)
            return {false, row,
                    QStringLiteral("日记的日期须在%1年至%2年之间").arg(FirstYear).arg(LastYear)};
    }
    const BatchTableModel::SaveResult saved = model.save();
    if (!saved.ok)
        return {false, saved.row, QStringLiteral("日记保存失败：") + saved.engineText};
    return {};
}

} // namespace DiaryQueries
