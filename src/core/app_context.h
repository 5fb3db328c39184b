#pragma once

#include <QString>

class Database;
class Prompts;
class Clock;
class Shell;
class PrintService;
class ProgramControl;

// What every page works with: the one database connection, the services and the
// program. Pages keep a copy; everything it refers to outlives the main window.
struct AppContext {
    Database &db;
    Prompts &prompts;
    Clock &clock;
    Shell &shell;
    PrintService &printer;
    ProgramControl &program;
    QString folder; // the program's folder: fmy.dll, the skin library
};
