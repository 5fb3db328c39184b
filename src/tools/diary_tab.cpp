#include "tools/diary_tab.h"

#include "core/captions.h"
#include "core/error_policy.h"
#include "core/services.h"
#include "ledger/batch_table_model.h"
#include "ledger/diary_queries.h"
#include "widgets/clickable_label.h"
#include "widgets/data_grid.h"
#include "widgets/page_parts.h"
#include "widgets/preset_spin_box.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

namespace {

constexpr int ListWidth = 212;
constexpr int BarHeight = 30;
constexpr int HintHeight = 24;

// The text box keeps a band free under its last line while the hint strip lies over it,
// so the strip never covers what is being typed.
class NoteEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    void keepBottomFree(int pixels) { setViewportMargins(0, 0, 0, pixels); }
};

} // namespace

DiaryTab::DiaryTab(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("diaryTab"));
    m_year = new PresetSpinBox(this);
    m_year->setAccessibleName(QStringLiteral("年份"));
    m_year->setPickRange(DiaryQueries::FirstYear, DiaryQueries::LastYear);
    m_year->setGeometry(4, 4, 74, 24);
    auto *yearLabel = new QLabel(QStringLiteral("年"), this);
    yearLabel->setGeometry(81, 4, 16, 24);
    m_month = new PresetSpinBox(this);
    m_month->setAccessibleName(QStringLiteral("月份"));
    m_month->setPickRange(1, 12);
    m_month->setGeometry(98, 4, 54, 24);
    m_query = new QPushButton(QStringLiteral("查询"), this);
    m_query->setGeometry(156, 4, 52, 24);

    m_model = new BatchTableModel(m_context.db, this);
    DiaryQueries::configureMonthList(*m_model);
    PageParts::reportRefusedValues(*m_model, m_context.prompts);
    m_list = new DataGrid(this);
    m_list->setObjectName(QStringLiteral("diaryList"));
    m_list->setRowHeight(22);
    m_list->setCurrentRowHighlight(true);
    m_list->setFitColumnsToWidth(true);
    m_list->setModel(m_model);
    m_list->view()->setContextMenuPolicy(Qt::CustomContextMenu);

    auto *text = new NoteEdit(this);
    m_text = text;
    m_text->setObjectName(QStringLiteral("diaryText"));
    m_text->setAccessibleName(QStringLiteral("日记内容"));
    m_text->setContextMenuPolicy(Qt::CustomContextMenu);
    text->keepBottomFree(HintHeight);

    m_hint = new ClickableLabel(QStringLiteral("友情提示：点击鼠标右键有更多功能。"), this);
    m_hint->setAccessibleName(QStringLiteral("友情提示"));
    m_hint->setStyleSheet(
        QStringLiteral("QLabel { background: #fff8d6; color: #8a5d12; padding-left: 6px;"
                       " border-top: 1px solid #e6d9a8; }"));
    m_hint->raise();
    connect(m_hint, &ClickableLabel::clicked, this, [this, text] {
        m_hint->hide();
        text->keepBottomFree(0);
    });

    ErrorPolicy::connect(m_query, &QPushButton::clicked, this, m_context.prompts, &DiaryTab::query);
    connect(m_list, &DataGrid::currentRowChanged, this, &DiaryTab::showCurrentText);
    connect(m_text, &QPlainTextEdit::textChanged, this, &DiaryTab::textEdited);
    connect(m_list->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { openMenu(m_list->view()->viewport(), at); });
    connect(m_text, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { openMenu(m_text->viewport(), at); });
    setEditable(true);
}

void DiaryTab::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    const int top = BarHeight + 4;
    m_list->setGeometry(4, top, ListWidth - 4, height() - top - 4);
    const QRect text(ListWidth + 6, 4, width() - ListWidth - 10, height() - 8);
    m_text->setGeometry(text);
    m_hint->setGeometry(text.left() + 1, text.bottom() - HintHeight, text.width() - 2, HintHeight);
}

void DiaryTab::showMonth(int year, int month) {
    if (!mayDropChanges())
        return;
    m_year->preset(year);
    m_month->preset(month);
    load(year, month);
}

void DiaryTab::query() {
    if (!mayDropChanges()) {
        // The month shown stays, with its changes: the boxes say which month that is.
        m_year->preset(m_shownYear);
        m_month->preset(m_shownMonth);
        return;
    }
    load(m_year->value(), m_month->value());
}

bool DiaryTab::mayDropChanges() {
    m_list->commitEdit();
    if (!m_model->hasPendingChanges())
        return true;
    switch (m_context.prompts.ask(Captions::system(), QStringLiteral("日记已修改，是否保存？"))) {
    case Prompts::Answer::Yes:
        if (!write())
            return false;
        setEditable(false);
        return true;
    case Prompts::Answer::No:
        m_model->cancel();
        showCurrentText();
        return true;
    case Prompts::Answer::Cancel:
        break;
    }
    return false;
}

void DiaryTab::load(int year, int month) {
    DiaryQueries::loadMonth(*m_model, year, month);
    m_list->applyColumns({
        {.field = "id", .hidden = true},
        {.field = "日期", .format = ColumnFormat::Date},
        {.field = "n_info", .hidden = true},
    });
    m_shownYear = year;
    m_shownMonth = month;
    m_list->setCurrentRow(0);
    showCurrentText();
}

void DiaryTab::addNote() {
    m_list->commitEdit();
    const int row = DiaryQueries::appendNote(*m_model, m_shownYear, m_shownMonth, m_calendarDay);
    setEditable(true);
    m_list->setCurrentRow(row);
    showCurrentText();
    m_text->setFocus();
}

void DiaryTab::editNotes() {
    setEditable(true);
}

void DiaryTab::saveNotes() {
    m_list->commitEdit();
    if (write())
        setEditable(false);
}

void DiaryTab::deleteNote() {
    m_list->commitEdit();
    if (const int row = m_list->currentRow(); row >= 0)
        m_model->deleteRow(row);
    showCurrentText();
    if (write())
        setEditable(false);
}

bool DiaryTab::write() {
    const DiaryQueries::WriteResult result = DiaryQueries::write(*m_model);
    if (result.ok)
        return true;
    // Everything stays pending and editable, so the user can mend it and save again.
    setEditable(true);
    m_context.prompts.inform(Captions::system(), result.message, Prompts::Icon::Error);
    if (result.row >= 0) {
        m_list->setCurrentRow(result.row);
        m_list->view()->setFocus();
    }
    return false;
}

void DiaryTab::setEditable(bool editable) {
    m_editable = editable;
    m_list->setReadOnly(!editable);
    m_text->setReadOnly(!editable || m_list->currentRow() < 0);
}

void DiaryTab::showCurrentText() {
    const int row = m_list->currentRow();
    m_showingText = true;
    m_text->setPlainText(row >= 0 ? m_model->value(row, DiaryQueries::textField()).toString()
                                  : QString());
    m_showingText = false;
    // Without a note there is nothing the text could belong to.
    m_text->setReadOnly(!m_editable || row < 0);
}

void DiaryTab::textEdited() {
    const int row = m_list->currentRow();
    if (m_showingText || row < 0)
        return;
    m_model->setValue(row, DiaryQueries::textField(), m_text->toPlainText());
}

void DiaryTab::openMenu(QWidget *area, const QPoint &position) {
    QMenu menu(this);
    QAction *add = menu.addAction(QStringLiteral("新增日记"));
    QAction *edit = menu.addAction(QStringLiteral("编辑日记"));
    QAction *save = menu.addAction(QStringLiteral("保存日志"));
    QAction *remove = menu.addAction(QStringLiteral("删除日记"));
    QAction *chosen = menu.exec(area->mapToGlobal(position));
    if (!chosen)
        return;
    ErrorPolicy::run(m_context.prompts, [&] {
        if (chosen == add)
            addNote();
        else if (chosen == edit)
            editNotes();
        else if (chosen == save)
            saveNotes();
        else if (chosen == remove)
            deleteNote();
    });
}
