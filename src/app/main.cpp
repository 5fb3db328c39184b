#include "app/application.h"
#include "app/desktop_services.h"
#include "app/program.h"

int main(int argc, char **argv) {
    TallybeeApplication app(argc, argv);
    MessageBoxPrompts prompts;
    SystemClock clock;
    DesktopShell shell;
    SystemPrinters printers;
    Program program(prompts, clock, shell, printers, QCoreApplication::applicationDirPath());
    QObject::connect(&program, &Program::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    if (program.isFinished())
        return 1;
    return app.exec();
}
