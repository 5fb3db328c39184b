#include "entry/entry_page.h"
#include "core/services.h"

#include "core/app_context.h"
#include "core/error_policy.h"
#include "entry/amount_filter.h"
#include "entry/calculator_box.h"
#include "entry/category_list_box.h"
#include "entry/entry_info_box.h"
#include "entry/recent_days_chart.h"
#include "ledger/rows_model.h"
#include "widgets/art.h"
#include "widgets/data_grid.h"
#include "widgets/lookup_delegate.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr int TopHeight = 249;
constexpr int FieldRowHeight = 22;

// The white band above the day list; a click on its empty part closes the category list.
class TopPanel : public QWidget {
public:
    explicit TopPanel(QWidget *parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Panel4"));
        setAttribute(Qt::WA_StyledBackground);
        setStyleSheet(QStringLiteral("#Panel4 { background: #ffffff; }"));
    }
};

QPushButton *addButton(QWidget *box, const char *name, const QString &caption, int x, int width) {
    auto *button = new QPushButton(caption, box);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, 10, width, 25);
    return button;
}

QDateEdit *addDatePicker(QWidget *parent, const char *name) {
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return picker;
}

} // namespace

EntryPage::EntryPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("Panel3"));
    resize(765, 511);

    m_top = new TopPanel(this);
    m_top->installEventFilter(this);
    buildButtons(m_top);
    buildDates(m_top);
    buildFields(m_top);

    m_info = new EntryInfoBox(m_top);
    m_info->setGeometry(272, 48, 193, 193);
    m_chart = new RecentDaysChart(m_top);
    m_chart->setGeometry(472, 48, 289, 193);

    buildDayList();

    // Both float over the lower fields and the top of the day list.
    m_categoryList = new CategoryListBox(this);
    m_calculator = new CalculatorBox(m_amount, m_context.prompts, this);
    m_calculator->setIconPosition(m_amount->geometry().topRight() + QPoint(3, 0));
    m_categoryList->raise();
    m_calculator->raise();

    m_members = std::make_unique<LookupList>(m_context.db, EntryQueries::membersSelect());
    m_accounts = std::make_unique<LookupList>(m_context.db, EntryQueries::accountsSelect());
    connectActions();
}

EntryPage::~EntryPage() = default;

void EntryPage::buildButtons(QWidget *top) {
    auto *box = new QGroupBox(top);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setGeometry(8, 2, 257, 41);
    m_addButton = addButton(box, "Button1", QStringLiteral("增加"), 10, 74);
    m_deleteButton = addButton(box, "Button2", QStringLiteral("删除"), 92, 74);
    m_saveButton = addButton(box, "Button3", QStringLiteral("保存"), 174, 74);
}

void EntryPage::buildDates(QWidget *top) {
    auto *box = new QGroupBox(top);
    box->setObjectName(QStringLiteral("GroupBox2"));
    box->setGeometry(272, 2, 489, 41);
    m_yesterdayButton = addButton(box, "Button4", QStringLiteral("昨天"), 10, 66);
    m_todayButton = addButton(box, "Button5", QStringLiteral("今天"), 82, 66);
    m_tomorrowButton = addButton(box, "Button6", QStringLiteral("明天"), 154, 66);
    m_queryDate = addDatePicker(box, "DateTimePicker1");
    m_queryDate->setGeometry(236, 10, 150, 25);
    m_queryButton = addButton(box, "Button7", QStringLiteral("查询"), 400, 78);
}

void EntryPage::buildFields(QWidget *top) {
    m_fields = new QGroupBox(top);
    m_fields->setObjectName(QStringLiteral("GroupBox3"));
    m_fields->setGeometry(8, 48, 257, 195);
    auto *background = new QLabel(m_fields);
    background->setPixmap(artPixmap(QStringLiteral("entry_fields"), m_fields->size()));
    background->setGeometry(m_fields->rect());
    background->lower();

    int y = 14;
    auto row = [this, &y](const QString &caption, QWidget *field, int width = 172) {
        auto *label = new QLabel(caption, m_fields);
        label->setGeometry(12, y, 60, FieldRowHeight);
        label->setBuddy(field);
        field->setParent(m_fields);
        field->setGeometry(72, y, width, FieldRowHeight);
        y += 29;
        return label;
    };

    m_entryDate = addDatePicker(m_fields, "DateTimePicker2");
    row(QStringLiteral("日　期："), m_entryDate);

    m_payer = new QComboBox;
    m_payer->setObjectName(QStringLiteral("DBLookupComboboxEh1"));
    m_payerLabel = row(QStringLiteral("付款人"), m_payer);
    // Page entry names the payer or payee without a colon; the colon stays beside the
    // name, so the label lines up with the others whichever it shows.
    {
        auto *name = new QWidget(m_fields);
        name->setGeometry(m_payerLabel->geometry());
        auto *line = new QHBoxLayout(name);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(0);
        m_payerLabel->setParent(name);
        line->addWidget(m_payerLabel);
        line->addWidget(new QLabel(QStringLiteral("："), name));
        line->addStretch();
    }

    m_category = new QLineEdit;
    m_category->setObjectName(QStringLiteral("Edit3"));
    // Quick codes are Latin letters: start without the input method's composition.
    m_category->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    m_category->installEventFilter(this);
    row(QStringLiteral("项　目："), m_category);

    m_amount = new QLineEdit;
    m_amount->setObjectName(QStringLiteral("Edit1"));
    m_amount->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText);
    // Typed, pasted or dropped: the same rule for whatever comes in.
    new AmountValidator(m_amount);
    row(QStringLiteral("金　额："), m_amount, 146); // the calculator icon sits beside it

    m_account = new QComboBox;
    m_account->setObjectName(QStringLiteral("DBLookupComboboxEh2"));
    row(QStringLiteral("账　户："), m_account);

    m_remark = new QLineEdit;
    m_remark->setObjectName(QStringLiteral("Edit2"));
    m_remark->setMaxLength(250); // what the remark column holds
    row(QStringLiteral("备　注："), m_remark);

    setTabOrder(m_entryDate, m_payer);
    setTabOrder(m_payer, m_category);
    setTabOrder(m_category, m_amount);
    setTabOrder(m_amount, m_account);
    setTabOrder(m_account, m_remark);
}

void EntryPage::buildDayList() {
    m_dayRows = new RowsModel(this);
    m_dayList = new DataGrid(this);
    m_dayList->setObjectName(QStringLiteral("DBGridEh1"));
    m_dayList->setReadOnly(true);
    m_dayList->setHeadingColour(QColor(192, 220, 192)); // money green
    m_dayList->setModel(m_dayRows);
    // The ordinal of the row is written over the stored id.
    m_dayList->setCellDrawHook([](DataGrid::Cell &cell) {
        if (cell.column == 0)
            cell.text = QString::number(cell.row + 1);
    });
    m_dayList->setGeometry(0, TopHeight, width(), height() - TopHeight);
}

void EntryPage::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_top->setGeometry(0, 0, width(), TopHeight);
    m_dayList->setGeometry(0, TopHeight, width(), height() - TopHeight);
}

void EntryPage::connectActions() {
    ErrorPolicy::connect(m_addButton, &QPushButton::clicked, this, m_context.prompts,
                         &EntryPage::add);
    ErrorPolicy::connect(m_deleteButton, &QPushButton::clicked, this, m_context.prompts,
                         &EntryPage::remove);
    ErrorPolicy::connect(m_saveButton, &QPushButton::clicked, this, m_context.prompts,
                         &EntryPage::save);
    ErrorPolicy::connect(m_yesterdayButton, &QPushButton::clicked, this, m_context.prompts,
                         [this] { shiftDates(-1); });
    ErrorPolicy::connect(m_todayButton, &QPushButton::clicked, this, m_context.prompts,
                         &EntryPage::today);
    ErrorPolicy::connect(m_tomorrowButton, &QPushButton::clicked, this, m_context.prompts,
                         [this] { shiftDates(1); });
    ErrorPolicy::connect(m_queryButton, &QPushButton::clicked, this, m_context.prompts,
                         &EntryPage::queryDayList);
    ErrorPolicy::connect(m_entryDate, &QDateEdit::dateChanged, this, m_context.prompts,
                         &EntryPage::entryDateChanged);
    ErrorPolicy::connect(m_category, &QLineEdit::textChanged, this, m_context.prompts,
                         &EntryPage::categoryTextChanged);
    ErrorPolicy::connect(m_categoryList, &CategoryListBox::topCategoryChosen, this,
                         m_context.prompts, &EntryPage::topCategoryChosen);
    ErrorPolicy::connect(m_categoryList, &CategoryListBox::categoryClicked, this, m_context.prompts,
                         &EntryPage::categoryPicked);
    ErrorPolicy::connect(m_dayList, &DataGrid::cellClicked, this, m_context.prompts,
                         [this](int row, int) { dayRowClicked(row); });
}

bool EntryPage::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_category && event->type() == QEvent::KeyPress) {
        // Escape, or moving on to the next field, closes the category list, which would
        // otherwise stay over the amount, account and remark fields.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab)
            m_categoryList->hide();
    } else if (watched == m_category && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_category->rect().contains(mouse->position().toPoint()))
            categoryFieldClicked();
    } else if (watched == m_top && event->type() == QEvent::MouseButtonPress) {
        m_categoryList->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void EntryPage::setUp() {
    m_mode = Mode::Add;
    const QDate today = m_context.clock.today();
    setQueryDateQuietly(today);
    setEntryDateQuietly(today);
    m_amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_calculator->reset();
}
