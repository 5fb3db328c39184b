#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary folder standing in for the program's own, set up as installed: fmy.dll
// copied from the seed database and the skin library, from the folder the build puts
// them in. Steps change it; it is removed with the object.
class ProgramFolder {
public:
    explicit ProgramFolder(const QString &installFolder);

    QString path() const { return m_dir.path(); }
    QString databasePath() const;
    QString filePath(const QString &name) const;

    // Each throws StepFailure when the file cannot be put in place.
    void useSeededDatabase();
    void useDatabaseFile(const QString &source);
    void removeDatabase();
    void installSkin();
    void removeSkin();

private:
    void copyIn(const QString &source, const QString &name);
    void remove(const QString &name);

    QString m_install;
    QTemporaryDir m_dir;
};
