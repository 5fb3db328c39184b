#pragma once

#include "store/database.h"

#include <QTemporaryDir>
#include <memory>

// A fresh seeded database in a temporary folder, built from the schema script.
class TempDatabase {
public:
    TempDatabase();
    QString folder() const { return m_dir.path(); }
    QString path() const { return m_dir.filePath(QStringLiteral("fmy.dll")); }
    Database &db() { return *m_db; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;
};
