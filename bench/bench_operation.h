#pragma once

#include <QString>
#include <functional>
#include <vector>

class Database;

// One operation timed the way its page runs it.
struct BenchOperation {
    QString name;
    std::function<void()> run;
    qint64 items = 0; // when set, the time per item is printed too
};

// The operations of each part of the program, over a generated ledger.
std::vector<BenchOperation> storeOperations(Database &db);
std::vector<BenchOperation> homeOperations(Database &db);
std::vector<BenchOperation> entryOperations(Database &db);
std::vector<BenchOperation> categoryOperations(Database &db);
std::vector<BenchOperation> accountOperations(Database &db);
std::vector<BenchOperation> calendarOperations();
std::vector<BenchOperation> backupOperations(Database &db);
// Bill import and CSV export; the bill file is written into folder.
std::vector<BenchOperation> importOperations(Database &db, const QString &folder);
std::vector<BenchOperation> statementOperations(Database &db);
std::vector<BenchOperation> reportOperations(Database &db);
