#include "tools/tools_page.h"

#include "core/services.h"
#include "tools/diary_tab.h"
#include "tools/perpetual_calendar.h"

#include <QTabWidget>
#include <QVBoxLayout>

ToolsPage::ToolsPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("toolsPage"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("toolsTabs"));
    m_tabs->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: 71px; height: 24px; padding: 0px; }"));
    m_calendar = new PerpetualCalendar(m_tabs);
    m_diary = new DiaryTab(m_context, m_tabs);
    m_tabs->addTab(m_calendar, QStringLiteral("万年历"));
    m_tabs->addTab(m_diary, QStringLiteral("日记本"));
    m_tabs->setCurrentWidget(m_diary);
    connect(m_calendar, &PerpetualCalendar::selectedDateChanged, m_diary,
            &DiaryTab::setCalendarDay);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

void ToolsPage::enter() {
    if (m_nextTab)
        m_tabs->setCurrentWidget(*m_nextTab == Tab::Calendar ? static_cast<QWidget *>(m_calendar)
                                                             : m_diary);
    m_nextTab.reset();
    const QDateTime now = m_context.clock.now();
    m_calendar->setDateTime(now);
    m_diary->showMonth(now.date().year(), now.date().month());
}

bool ToolsPage::leave() {
    return m_diary->mayDropChanges();
}
