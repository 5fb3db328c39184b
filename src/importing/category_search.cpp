#include "importing/category_search.h"

#include "ledger/entry_queries.h"
#include "ledger/rows_model.h"
#include "widgets/data_grid.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr int ListWidth = 240;
constexpr int ListHeight = 173;
} // namespace

CategorySearch::CategorySearch(Database &db, QLineEdit *field, QWidget *listParent)
    : QObject(field), m_db(db), m_field(field) {
    m_rows = new RowsModel(this);
    m_list = new DataGrid(listParent);
    m_list->setObjectName(QStringLiteral("项目列表"));
    m_list->setAccessibleName(QStringLiteral("项目列表"));
    m_list->setReadOnly(true);
    m_list->setFitColumnsToWidth(true);
    m_list->setModel(m_rows);
    m_list->hide();
    m_field->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textEdited, this, &CategorySearch::search);
    connect(m_list, &DataGrid::cellClicked, this, [this](int row) { pick(row); });
}

void CategorySearch::hideList() {
    m_list->hide();
}

void CategorySearch::search(const QString &text) {
    if (text.isEmpty()) {
        hideList();
        return;
    }
    m_rows->setRows(EntryQueries::searchCategories(m_db, m_kind, text));
    m_list->applyColumns({{"f_id", -1, ColumnFormat::Text, true}});
    // Above the field, inside the parent, so it covers the rows rather than the buttons.
    QWidget *parent = m_list->parentWidget();
    const QPoint at = m_field->mapTo(parent, QPoint(0, 0));
    m_list->setGeometry(std::min(at.x(), parent->width() - ListWidth),
                        std::max(0, at.y() - ListHeight - 2), ListWidth, ListHeight);
    m_list->show();
    m_list->raise();
}

void CategorySearch::pick(int row) {
    const QVariant name = m_rows->value(row, QStringLiteral("项目"));
    if (!name.isValid())
        return;
    hideList();
    emit picked(name.toString());
}

bool CategorySearch::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_list->isVisible() &&
            m_rows->rowCount() > 0) {
            pick(0);
            return true;
        }
        if (key == Qt::Key_Escape && m_list->isVisible()) {
            hideList();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
