#include "widgets/page_parts.h"

#include "core/questions.h"

#include "core/services.h"
#include "ledger/batch_table_model.h"
#include "widgets/data_grid.h"

#include <QDateEdit>
#include <QHelpEvent>
#include <QPushButton>
#include <QTableView>
#include <QToolTip>

namespace PageParts {

QPushButton *toolButton(const QString &text, QWidget *parent, int x, int y) {
    auto *button = new QPushButton(text, parent);
    button->setGeometry(x, y, 75, 25);
    return button;
}

void reportRefusedValues(BatchTableModel &model, Prompts &prompts) {
    QObject::connect(
        &model, &BatchTableModel::invalidValue, &model,
        [&prompts](int, int, const QString &message) {
            prompts.inform(Captions::system(), message, Prompts::Icon::Error);
        },
        Qt::QueuedConnection);
}

namespace {

class CutTextTips : public QObject {
public:
    explicit CutTextTips(DataGrid *grid) : QObject(grid), m_grid(grid) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::ToolTip)
            return QObject::eventFilter(watched, event);
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = m_grid->view()->indexAt(help->pos());
        const QString text = m_grid->displayText(index);
        const QRect cell = m_grid->view()->visualRect(index);
        // A few pixels for the cell's own margins.
        if (index.isValid() &&
            m_grid->view()->fontMetrics().horizontalAdvance(text) > cell.width() - 8)
            QToolTip::showText(help->globalPos(), text, m_grid->viewport(), cell);
        else
            QToolTip::hideText();
        return true;
    }

private:
    DataGrid *m_grid;
};

} // namespace

void showCutTextOnHover(DataGrid *grid) {
    grid->viewport()->installEventFilter(new CutTextTips(grid));
}

bool mayLeave(Prompts &prompts, bool pending, const std::function<bool()> &save,
              const std::function<void()> &drop) {
    if (!pending)
        return true;
    switch (Questions::askSaveChanges(prompts)) {
    case Prompts::Answer::Yes:
        return save();
    case Prompts::Answer::No:
        drop();
        return true;
    case Prompts::Answer::Cancel:
        break;
    }
    return false;
}

QDateEdit *periodPicker(QWidget *parent, const QString &name, int x) {
    auto *picker = new QDateEdit(parent);
    picker->setAccessibleName(name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // The skin's right padding sits beside the drop-down button, not under it: without
    // it the whole date fits in the 97 pixels.
    picker->setStyleSheet(QStringLiteral("QDateEdit { padding-right: 2px; }"));
    picker->setGeometry(x, 8, 97, 25);
    return picker;
}

std::optional<qint64> confirmedDeleteOfCurrentRow(DataGrid &grid, BatchTableModel &model,
                                                  Prompts &prompts) {
    const QVariant id = model.value(grid.currentRow(), QStringLiteral("id"));
    if (id.isNull() || !Questions::confirmDelete(prompts, id.toString()))
        return std::nullopt;
    return id.toLongLong();
}

} // namespace PageParts
