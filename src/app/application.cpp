#include "app/application.h"

#include "store/db_error.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace {
TallybeeApplication::ErrorHandler &errorHandler() {
    static TallybeeApplication::ErrorHandler handler;
    return handler;
}

void report(const QString &text) {
    if (errorHandler())
        errorHandler()(text);
    else
        qWarning("Tallybee: %s", qPrintable(text));
}
} // namespace

TallybeeApplication::TallybeeApplication(int &argc, char **argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tallybee"));
    auto *translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool TallybeeApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError &e) {
        report(e.text());
    } catch (const std::exception &e) {
        report(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void TallybeeApplication::setErrorHandler(ErrorHandler handler) {
    errorHandler() = std::move(handler);
}
