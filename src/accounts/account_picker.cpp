#include "accounts/account_picker.h"

#include "widgets/data_grid.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionButton>
#include <QTableView>
#include <algorithm>

namespace {

// Opens its list at the first key typed, instead of choosing an item behind the
// user's back, and lets that key start the search in the list.
class TypeToOpenCombo : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void keyPressEvent(QKeyEvent *event) override {
        const QString text = event->text();
        if (text.isEmpty() || !text.at(0).isPrint() || view()->isVisible()) {
            QComboBox::keyPressEvent(event);
            return;
        }
        showPopup();
        // The search runs in the name column, not the numbers.
        if (!view()->currentIndex().isValid() && count() > 0)
            view()->setCurrentIndex(model()->index(0, modelColumn()));
        view()->keyboardSearch(text);
    }
};

} // namespace

// Laid over the grid's rows and drawn after them; clicks pass through to the cells.
// Rows that scroll or change are repainted beneath it, and it with them.
class AccountPicker::Buttons : public QWidget {
public:
    explicit Buttons(DataGrid *grid) : QWidget(grid->view()), m_grid(grid) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        grid->viewport()->installEventFilter(this);
        follow();
    }

    int column = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            follow();
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent *) override {
        const QTableView *view = m_grid->view();
        const QAbstractItemModel *model = view->model();
        if (!model || column < 0 || column >= model->columnCount() || view->isColumnHidden(column))
            return;
        QPainter painter(this);
        const int first = std::max(view->rowAt(0), 0);
        for (int row = first; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, column);
            const QRect cell = view->visualRect(index);
            if (cell.top() > height())
                break;
            // An open editor shows its own button.
            if (cell.isEmpty() || view->indexWidget(index))
                continue;
            QStyleOptionButton button;
            button.initFrom(this);
            button.state |= QStyle::State_Raised;
            button.rect = QRect(cell.right() - 15, cell.top() + 1, 15, cell.height() - 2);
            style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);
            QStyleOption arrow;
            arrow.initFrom(this);
            arrow.rect = button.rect.adjusted(3, 3, -3, -3);
            style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
        }
    }

private:
    void follow() {
        setGeometry(m_grid->viewport()->geometry());
        raise();
    }

    DataGrid *m_grid;
};

AccountPicker::AccountPicker(std::shared_ptr<LookupList> list, DataGrid *grid)
    : LookupDelegate(std::move(list), grid), m_buttons(new Buttons(grid)) {}

void AccountPicker::setColumn(int column) {
    m_buttons->column = column;
    m_buttons->update();
}

QWidget *AccountPicker::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                     const QModelIndex &) const {
    auto *combo = new TypeToOpenCombo(parent);
    combo->setFrame(false);
    const auto &entries = list().entries();
    auto *items = new QStandardItemModel(int(entries.size()), 2, combo);
    items->setHorizontalHeaderLabels({QStringLiteral("id"), QStringLiteral("账户")});
    for (int row = 0; row < int(entries.size()); ++row) {
        items->setItem(row, 0, new QStandardItem(entries[row].id.toString()));
        auto *name = new QStandardItem(entries[row].name);
        name->setData(entries[row].id, Qt::UserRole);
        items->setItem(row, 1, name);
    }
    auto *table = new QTableView;
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setMinimumWidth(180);
    combo->setModel(items);
    combo->setView(table);
    combo->setModelColumn(1);
    table->setColumnWidth(0, 40);
    // A choice is final: store it at once rather than when the cell is left.
    auto *self = const_cast<AccountPicker *>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] {
        emit self->commitData(combo);
        emit self->closeEditor(combo);
    });
    return combo;
}
