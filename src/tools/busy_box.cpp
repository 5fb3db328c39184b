#include "tools/busy_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

BusyBox::BusyBox(const QString &text, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setWindowTitle(QStringLiteral("Tallybee"));
    setWindowModality(Qt::ApplicationModal);

    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(text, this);
    layout->addWidget(label);
    auto *bar = new QProgressBar(this);
    bar->setRange(0, 0);
    bar->setTextVisible(false);
    bar->setFixedHeight(14);
    layout->addWidget(bar);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, &BusyBox::reject);
    setFixedWidth(260);
}

void BusyBox::finish() {
    m_finished = true;
    close();
}

void BusyBox::reject() {
    if (!m_finished)
        emit cancelled();
    m_finished = true;
    QDialog::reject();
}
