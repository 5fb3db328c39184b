#include "grid_access.h"

#include "script.h"
#include "step_failure.h"
#include "widgets/data_grid.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

GridAccess::GridAccess(QWidget *w) {
    m_grid = qobject_cast<DataGrid *>(w);
    m_view = m_grid ? m_grid->view() : qobject_cast<QTableView *>(w);
    if (!m_view)
        fail(QStringLiteral("expected a grid, found a %1")
                 .arg(QString::fromLatin1(w->metaObject()->className())));
}

bool GridAccess::isGrid(const QWidget *w) {
    if (qobject_cast<const DataGrid *>(w))
        return true;
    // The table inside a DataGrid is part of it, not a grid of its own.
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const DataGrid *>(p))
            return false;
    }
    return qobject_cast<const QTableView *>(w) != nullptr;
}

int GridAccess::rows() const {
    if (m_grid)
        return m_grid->rowCountShown();
    return m_view->model() ? m_view->model()->rowCount() : 0;
}

int GridAccess::logicalColumn(int column) const {
    if (m_grid)
        return m_grid->logicalColumn(column);
    const QAbstractItemModel *model = m_view->model();
    const QHeaderView *header = m_view->horizontalHeader();
    if (!model || column < 0)
        return -1;
    int seen = 0;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (m_view->isColumnHidden(logical))
            continue;
        if (seen++ == column)
            return logical;
    }
    return -1;
}

QStringList GridAccess::headings() const {
    if (m_grid)
        return m_grid->visibleHeadings();
    QStringList result;
    for (int c = 0;; ++c) {
        const int logical = logicalColumn(c);
        if (logical < 0)
            break;
        result << m_view->model()->headerData(logical, Qt::Horizontal).toString();
    }
    return result;
}

int GridAccess::column(const QString &word) const {
    const QStringList shown = headings();
    if (const qsizetype at = shown.indexOf(word); at >= 0)
        return int(at);
    bool number = false;
    const int n = word.toInt(&number);
    if (number && n >= 1 && n <= shown.size())
        return n - 1;
    fail(QStringLiteral("expected a column %1, found the columns %2")
             .arg(quoteWord(word), shown.join(QLatin1Char(' '))));
}

int GridAccess::row(const QString &word) const {
    bool number = false;
    const int n = word.toInt(&number);
    if (!number || n < 1 || n > rows())
        fail(QStringLiteral("expected a row %1, found %2 data rows").arg(word).arg(rows()));
    return n - 1;
}

QString GridAccess::cellText(int row, int column) const {
    if (m_grid)
        return m_grid->cellText(row, column);
    const QModelIndex idx = index(row, column);
    const QVariant value = idx.data(Qt::DisplayRole);
    // Show what the delegate paints: formats applied by displayText count.
    if (auto *delegate = qobject_cast<QStyledItemDelegate *>(m_view->itemDelegateForIndex(idx)))
        return value.isValid() ? delegate->displayText(value, m_view->locale()) : QString();
    return value.toString();
}

QString GridAccess::footerText(int column) const {
    if (!m_grid)
        fail(QStringLiteral("expected a grid with a footer, found a table without one"));
    return m_grid->footerText(column);
}

QModelIndex GridAccess::index(int row, int column) const {
    if (m_grid)
        return m_grid->indexAt(row, column);
    const int logical = logicalColumn(column);
    return logical < 0 || !m_view->model() ? QModelIndex() : m_view->model()->index(row, logical);
}

QRect GridAccess::showCell(int row, int column) const {
    const QModelIndex idx = index(row, column);
    m_view->scrollTo(idx);
    return m_grid ? m_grid->visualCellRect(row, column) : m_view->visualRect(idx);
}
