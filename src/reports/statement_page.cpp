#include "reports/statement_page.h"

#include "core/captions.h"
#include "core/error_policy.h"
#include "core/printing.h"
#include "core/services.h"
#include "core/site_texts.h"
#include "ledger/statement_model.h"
#include "printout/table_printout.h"
#include "reports/print_preview.h"
#include "reports/statement_output.h"
#include "reports/statement_table.h"
#include "store/money.h"
#include "widgets/data_grid.h"
#include "widgets/page_parts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

namespace {

const QString AllMembers = QStringLiteral("全部用户");
const QString Income = QStringLiteral("收入");
const QString Expense = QStringLiteral("支出");
constexpr int ColumnWidth = 100;

QLabel *caption(QWidget *parent, const QString &text, int x, int width) {
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(x, 8, width, 25);
    return label;
}

QPushButton *button(QWidget *parent, const QString &text, const QString &name, int x, int width) {
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(x, 8, width, 25);
    return b;
}

} // namespace

StatementPage::StatementPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("statementPage"));
    caption(this, QStringLiteral("从"), 4, 18);
    m_from = PageParts::periodPicker(this, QStringLiteral("从"), 22);
    caption(this, QStringLiteral("到"), 121, 18);
    m_to = PageParts::periodPicker(this, QStringLiteral("到"), 139);
    m_member = new QComboBox(this);
    m_member->setObjectName(QStringLiteral("memberBox"));
    m_member->setAccessibleName(QStringLiteral("用户"));
    m_member->setGeometry(242, 8, 100, 25);
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("kindBox"));
    m_kind->setAccessibleName(QStringLiteral("收支"));
    m_kind->addItems({Income, Expense});
    // No kind is chosen until the page is first entered.
    m_kind->setCurrentIndex(-1);
    m_kind->setGeometry(346, 8, 70, 25);
    auto *find = button(this, QStringLiteral("查询"), QStringLiteral("queryButton"), 422, 48);
    auto *print = button(this, QStringLiteral("打印"), QStringLiteral("printButton"), 474, 48);
    auto *pdf = button(this, QStringLiteral("导出PDF"), QStringLiteral("pdfButton"), 526, 64);
    auto *hint = new QLabel(QStringLiteral("选择查询后，可打印对账单"), this);
    hint->setObjectName(QStringLiteral("statementHint"));
    hint->setGeometry(596, 8, 166, 25);

    m_model = new StatementModel(m_context.db, this);
    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("statementGrid"));
    m_grid->setGeometry(3, 40, 758, 467);
    m_grid->setReadOnly(true);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(16);
    m_grid->view()->setFont(font);
    m_grid->view()->horizontalHeader()->setFont(font);
    m_grid->view()->horizontalHeader()->setFixedHeight(18);
    m_grid->setModel(m_model);
    m_grid->applyColumns({
        {.field = "日期", .format = ColumnFormat::Date},
        {.field = "金额", .format = ColumnFormat::Currency},
    });

    Prompts &prompts = m_context.prompts;
    ErrorPolicy::connect(find, &QPushButton::clicked, this, prompts, &StatementPage::query);
    ErrorPolicy::connect(print, &QPushButton::clicked, this, prompts, &StatementPage::showPreview);
    ErrorPolicy::connect(pdf, &QPushButton::clicked, this, prompts, &StatementPage::exportPdf);
}

StatementPage::~StatementPage() = default;

void StatementPage::setUp() {
    m_title = SiteTexts::PrintTitle + m_kind->currentText() + QStringLiteral("报表") +
              QStringLiteral("    ") + SiteTexts::site();
}

void StatementPage::enter() {
    const QStringList names = StatementQueries::memberNames(m_context.db);
    m_member->clear();
    m_member->addItem(AllMembers);
    m_member->addItems(names);
    m_member->setCurrentIndex(0);
    m_kind->setCurrentText(Income);
    const QDate today = m_context.clock.today();
    m_from->setDate(QDate(today.year(), 1, 1));
    m_to->setDate(today);
}

void StatementPage::query() {
    StatementFilter filter;
    filter.from = m_from->date();
    filter.to = m_to->date();
    filter.kind = m_kind->currentText() == Expense ? EntryKind::Expense : EntryKind::Income;
    if (m_member->currentText() != AllMembers)
        filter.member = m_member->currentText();
    m_model->query(filter);
    layoutGrid();
}

void StatementPage::layoutGrid() {
    // Each column 100 pixels, but a date with its time or a large amount is never cut.
    const QFontMetrics metrics(m_grid->view()->font());
    const auto room = [&](int column, const QVariantList &values) {
        int widest = ColumnWidth;
        for (const QVariant &value : values)
            widest = std::max(
                widest, metrics.horizontalAdvance(m_grid->formattedValue(column, value)) + 10);
        return widest;
    };
    const StatementEntries &found = m_model->entries();
    const int date = m_grid->column(QStringLiteral("日期"));
    const int amount = m_grid->column(QStringLiteral("金额"));
    m_grid->applyColumns({
        {.field = "日期",
         .width = found.timedDate.isEmpty() ? ColumnWidth : room(date, {found.timedDate}),
         .format = ColumnFormat::Date},
        {.field = "项目", .width = ColumnWidth},
        {.field = "用户", .width = ColumnWidth},
        {.field = "账户", .width = ColumnWidth},
        {.field = "金额",
         .width = found.ids.empty() ? ColumnWidth
                                    : room(amount, {found.lowestAmount, found.highestAmount}),
         .format = ColumnFormat::Currency},
    });
}

PrintTexts StatementPage::printTexts() const {
    return StatementOutput::texts(*m_model, m_title, m_context.clock.today());
}

void StatementPage::showPreview() {
    const QString missing = StatementOutput::printerMissingText();
    if (m_context.printer.defaultPrinter().isEmpty()) {
        m_context.prompts.inform(Captions::application(), missing, Prompts::Icon::None);
        return;
    }
    ErrorPolicy::withMessage(m_context.prompts, Captions::application(), missing, [&] {
        auto table = std::make_shared<StatementTable>(*m_grid, *m_model);
        auto layout = [this, table](const PrintSettings &settings) {
            return std::make_unique<TablePrintout>(*table, settings, printTexts());
        };
        auto *preview = new PrintPreviewWindow(m_context, layout, m_settings, window());
        connect(preview, &PrintPreviewWindow::settingsChanged, this,
                [this](const PrintSettings &settings) { m_settings = settings; });
        preview->showMaximized();
    });
}

void StatementPage::exportPdf() {
    const StatementTable table(*m_grid, *m_model);
    const TablePrintout printout(table, m_settings, printTexts());
    StatementOutput::exportPdf(m_context, printout);
}
