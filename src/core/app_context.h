#pragma once

#include <QString>

class Database;
class Prompts;
class Clock;
class Shell;

// What every page works with: the one database connection and the services.
struct AppContext {
    Database &db;
    Prompts &prompts;
    Clock &clock;
    Shell &shell;
    QString folder; // the program's folder: fmy.dll, the skin library
};
