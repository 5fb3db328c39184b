#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTableWidget;

// "从自动备份还原…": the automatic copies, newest first, with the day and time each was
// taken, its size and how many entries it holds, and whether it can be restored at all.
// Shown modal without blocking; chosen() names the copy the user picked.
class AutoBackupDialog : public QDialog {
    Q_OBJECT
public:
    // Reads and checks every copy in folder; a caller with nothing to list says so instead.
    AutoBackupDialog(const QString &folder, QWidget *parent);

    int copyCount() const { return int(m_paths.size()); }

signals:
    void chosen(const QString &path);

private:
    void fill(const QString &folder);
    void selectionChanged();
    void restoreChosen();

    QTableWidget *m_table = nullptr;
    QPushButton *m_restore = nullptr;
    QStringList m_paths;      // by row
    QList<bool> m_restorable; // by row
};
