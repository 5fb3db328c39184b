#include "tools/auto_backup_dialog.h"

#include "store/auto_backups.h"
#include "store/backup_check.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString sizeText(qint64 bytes) {
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 KB").arg(qMax<qint64>(1, (bytes + 1023) / 1024));
    return QStringLiteral("%1 MB").arg(double(bytes) / (1024 * 1024), 0, 'f', 1);
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

AutoBackupDialog::AutoBackupDialog(const QString &folder, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("autoBackupDialog"));
    setWindowTitle(QStringLiteral("从自动备份还原"));
    setWindowModality(Qt::ApplicationModal);
    resize(520, 360);

    auto *layout = new QVBoxLayout(this);
    auto *note =
        new QLabel(QStringLiteral("程序在数据有改动后关闭时自动备份。请选择要还原的备份："), this);
    layout->addWidget(note);
    m_table = new QTableWidget(0, 5, this);
    m_table->setObjectName(QStringLiteral("autoBackupList"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("日期"), QStringLiteral("时间"),
                                        QStringLiteral("大小"), QStringLiteral("条目数"),
                                        QStringLiteral("状态")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setDefaultSectionSize(25);
    layout->addWidget(m_table);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_restore = new QPushButton(QStringLiteral("还原"), this);
    m_restore->setEnabled(false);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    buttons->addWidget(m_restore);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            &AutoBackupDialog::selectionChanged);
    connect(m_restore, &QPushButton::clicked, this, &AutoBackupDialog::restoreChosen);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &AutoBackupDialog::restoreChosen);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    fill(folder);
}

void AutoBackupDialog::fill(const QString &folder) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<AutoBackups::Copy> copies = AutoBackups::list(folder);
    m_table->setRowCount(int(copies.size()));
    const QLocale locale;
    for (int row = 0; row < int(copies.size()); ++row) {
        const AutoBackups::Copy &copy = copies[size_t(row)];
        // The quick check reads the structure only: listing stays fast on large books.
        const BackupCheck check = checkBackup(copy.path, CheckDepth::Quick);
        m_paths << copy.path;
        m_restorable << check.ok();
        m_table->setItem(row, 0, cell(copy.taken.date().toString(QStringLiteral("yyyy-MM-dd"))));
        m_table->setItem(row, 1, cell(copy.taken.time().toString(QStringLiteral("HH:mm:ss"))));
        m_table->setItem(row, 2, cell(sizeText(copy.size), Qt::AlignRight));
        m_table->setItem(
            row, 3, cell(check.ok() ? locale.toString(check.entries) : QString(), Qt::AlignRight));
        m_table->setItem(row, 4, cell(check.ok() ? QStringLiteral("可以还原") : check.reason));
    }
    m_table->setColumnWidth(0, 96);
    m_table->setColumnWidth(1, 76);
    m_table->setColumnWidth(2, 80);
    m_table->setColumnWidth(3, 90);
    QApplication::restoreOverrideCursor();
}

void AutoBackupDialog::selectionChanged() {
    const int row = m_table->currentRow();
    m_restore->setEnabled(row >= 0 && row < m_restorable.size() && m_restorable.at(row));
}

void AutoBackupDialog::restoreChosen() {
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_restorable.size() || !m_restorable.at(row))
        return;
    const QString path = m_paths.at(row);
    accept();
    emit chosen(path);
}
