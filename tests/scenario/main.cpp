#include "app/application.h"
#include "runner.h"

#include <QTextStream>

// tallybee-scenario FILE...: runs acceptance scenarios on the program's real windows.
int main(int argc, char **argv) {
    TallybeeApplication app(argc, argv);
    QStringList files = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    if (files.isEmpty()) {
        out << "usage: tallybee-scenario FILE..." << Qt::endl;
        return 2;
    }
    ScenarioRunner runner(QCoreApplication::applicationDirPath(), out);
    return runner.run(files) ? 0 : 1;
}
