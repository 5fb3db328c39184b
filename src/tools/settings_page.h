#pragma once

#include "core/app_context.h"
#include "tools/update_check.h"
#include "widgets/page.h"

#include <QPointer>
#include <QWidget>

class BatchTableModel;
class BusyBox;
class DataGrid;
class QSpinBox;

// 系统设置: the members who log in, backup and restore of the books (by hand and the
// automatic copies), and the version check.
class SettingsPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit SettingsPage(const AppContext &context, QWidget *parent = nullptr);

    // Reads the users again (an error is passed over) and the keep counts.
    void enter() override;
    // Asks about users edited and not saved.
    bool leave() override;

private:
    void buildUsersGroup();
    void buildSettingsGroup();
    void reloadUsers();
    void addUser();
    void deleteUser();
    void saveUsers();
    bool writeUsers();

    void backUp();
    void restore();
    void restoreAutomaticCopy();
    // Checks the file, then closes the books, puts it in place and shows the login.
    void restoreFrom(const QString &backupPath);
    void keepCountsChanged();

    void checkForUpdate();
    void updateCheckFinished(UpdateCheck::Outcome outcome);
    void closeBusyBox();

    AppContext m_context;
    DataGrid *m_grid = nullptr;
    BatchTableModel *m_model = nullptr;
    QSpinBox *m_keepDaily = nullptr;
    QSpinBox *m_keepWeekly = nullptr;
    QSpinBox *m_keepMonthly = nullptr;
    UpdateCheck *m_check = nullptr;
    QPointer<BusyBox> m_busy;
};
