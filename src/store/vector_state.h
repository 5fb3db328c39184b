#pragma once

struct sqlite3;

// Code inside the libraries the program loads (Qt's) can leave the upper halves of the
// AVX registers in use. Until they are cleared, many x86 processors charge every older
// SSE instruction a transition penalty, which doubles the time SQLite takes to copy and
// compare text (the day column, a name) row by row; and QtSql's own code runs again
// between the program and each statement, so clearing them beforehand does not last.
// This gives the connection a progress handler that clears them every thousand steps of
// a statement; it never interrupts one. Nothing happens without AVX.
void clearVectorStateWhileRunning(sqlite3 *db);
