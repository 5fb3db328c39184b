#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// Runs scenario files one after another, each on a fresh program folder and program,
// and reports every failed step as "file:line: expected ..., found ...".
class ScenarioRunner {
public:
    // installFolder: where the build put fmy.dll and the skin library.
    ScenarioRunner(QString installFolder, QTextStream &out);

    // Runs the files; prints "N passed, M failed" last. True when all passed.
    bool run(const QStringList &files);
    bool runFile(const QString &file);

private:
    void report(const QString &file, int line, const QString &message);

    QString m_install;
    QTextStream &m_out;
};
