#pragma once

#include <QDialog>

// A small box that stays up, modal, while the program waits on something that runs on its
// own (the version check): a line of text, a moving bar and "取消". Closing it or pressing
// Escape counts as cancelling.
class BusyBox : public QDialog {
    Q_OBJECT
public:
    BusyBox(const QString &text, QWidget *parent);

    // Closes the box without a cancel.
    void finish();

signals:
    void cancelled();

protected:
    void reject() override;

private:
    bool m_finished = false;
};
