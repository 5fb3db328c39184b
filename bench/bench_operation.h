#pragma once

#include <QString>
#include <functional>
#include <vector>

class Database;

// One operation timed the way its page runs it.
struct BenchOperation {
    QString name;
    std::function<void()> run;
};

// The operations of each part of the program, over a generated ledger.
std::vector<BenchOperation> storeOperations(Database &db);
std::vector<BenchOperation> homeOperations(Database &db);
std::vector<BenchOperation> entryOperations(Database &db);
std::vector<BenchOperation> categoryOperations(Database &db);
std::vector<BenchOperation> accountOperations(Database &db);
std::vector<BenchOperation> reportOperations(Database &db);
