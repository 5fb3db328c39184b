#include "app/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace {
QMessageBox::Icon boxIcon(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::None:
        return QMessageBox::NoIcon;
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

int run(const QString &caption, const QString &text, Prompts::Icon icon,
        QMessageBox::StandardButtons buttons) {
    QWidget *parent = QApplication::activeWindow();
    QMessageBox box(boxIcon(icon), caption, text, buttons, parent);
    // The login window stays on top of everything; its messages must not hide under it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}
} // namespace

void MessageBoxPrompts::inform(const QString &caption, const QString &text, Icon icon) {
    run(caption, text, icon, QMessageBox::Ok);
}

bool MessageBoxPrompts::confirm(const QString &caption, const QString &text, Icon icon) {
    return run(caption, text, icon, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

Prompts::Answer MessageBoxPrompts::ask(const QString &caption, const QString &text) {
    switch (run(caption, text, Icon::Question,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString MessageBoxPrompts::openFileName(const QString &caption, const QString &folder,
                                        const QString &filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

QString MessageBoxPrompts::saveFileName(const QString &caption, const QString &suggestedPath,
                                        const QString &filter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestedPath,
                                        filter);
}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

void DesktopShell::openUrl(const QString &url) {
    QDesktopServices::openUrl(QUrl(url));
}

bool DesktopShell::startProgram(const QString &program) {
    return QProcess::startDetached(program, {});
}
