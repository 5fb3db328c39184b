#pragma once

#include <QApplication>
#include <functional>

// The application object: Chinese standard dialogs, and the general error box for a
// database error that an event handler lets through (the program keeps running).
class TallybeeApplication : public QApplication {
public:
    TallybeeApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Who shows the general error box: the running program sets itself here.
    using ErrorHandler = std::function<void(const QString &engineText)>;
    static void setErrorHandler(ErrorHandler handler);
};
