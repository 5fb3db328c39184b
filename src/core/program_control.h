#pragma once

#include <QString>
#include <functional>

// What a page may ask of the running program as a whole.
class ProgramControl {
public:
    virtual ~ProgramControl() = default;

    // Closes the main window and the database connection, runs whileClosed with the
    // database file's path (a restore replaces the file there), opens the file again and
    // shows the login window. Runs once the current handler has returned, since it ends
    // the window the handler belongs to.
    virtual void reopenBooks(std::function<void(const QString &databasePath)> whileClosed) = 0;
};
