// tallybee-bench [--entries N] [--seed S] [--runs R] [--only PATTERN] [--keep FILE]
// Builds a ledger in a temporary file, then times each operation the way its page runs
// it: the median over repeated runs, and its ratio to the floor (one full scan summing
// the entry amounts).
#include "bench_operation.h"
#include "ledger_generator.h"
#include "store/database.h"
#include "store/schema.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

double medianMs(const std::function<void()> &run, int runs) {
    std::vector<double> times;
    run(); // warm the page cache and prepared statements, as a second visit would
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times Tallybee's database operations."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("entries"), QStringLiteral("Number of entries."),
                      QStringLiteral("N"), QStringLiteral("100000")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Generator seed."),
                      QStringLiteral("S"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Timed runs per operation."),
                      QStringLiteral("R"), QStringLiteral("7")});
    parser.addOption({QStringLiteral("only"),
                      QStringLiteral("Time only the operations whose name matches PATTERN."),
                      QStringLiteral("PATTERN")});
    parser.addOption({QStringLiteral("keep"),
                      QStringLiteral("Also copy the generated ledger to FILE, to study it."),
                      QStringLiteral("FILE")});
    parser.process(app);

    LedgerShape shape;
    shape.entries = parser.value(QStringLiteral("entries")).toLongLong();
    shape.seed = parser.value(QStringLiteral("seed")).toULongLong();
    const int runs = qMax(1, parser.value(QStringLiteral("runs")).toInt());

    try {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fmy.dll"));
        Schema::createDatabase(path);
        Database db = Database::open(path);
        QElapsedTimer timer;
        timer.start();
        generateLedger(db, shape);
        if (parser.isSet(QStringLiteral("keep"))) {
            QFile::remove(parser.value(QStringLiteral("keep")));
            QFile::copy(path, parser.value(QStringLiteral("keep")));
        }
        std::printf("ledger: %lld entries, seed %llu, generated in %.1f s\n",
                    static_cast<long long>(shape.entries),
                    static_cast<unsigned long long>(shape.seed), double(timer.elapsed()) / 1000);

        const double floor = medianMs(
            [&db] { db.scalar(QStringLiteral("select sum(s_jine) from s_shouru")); }, runs);
        std::printf("\n%-40s %12s %8s\n", "operation", "median ms", "x floor");
        std::printf("%-40s %12.2f %8.2f\n", "floor (full scan summing s_jine)", floor, 1.0);

        std::vector<BenchOperation> operations = storeOperations(db);
        for (auto &&more : {homeOperations(db), entryOperations(db), categoryOperations(db),
                            accountOperations(db), calendarOperations(), backupOperations(db),
                            statementOperations(db), reportOperations(db),
                            // Last: each timed import adds its rows to the ledger.
                            importOperations(db, dir.path())})
            operations.insert(operations.end(), more.begin(), more.end());
        const QRegularExpression only(parser.value(QStringLiteral("only")),
                                      QRegularExpression::CaseInsensitiveOption);
        for (const BenchOperation &op : operations) {
            if (!only.match(op.name).hasMatch())
                continue;
            const double ms = medianMs(op.run, runs);
            std::printf("%-40s %12.2f %8.2f", qPrintable(op.name), ms, ms / floor);
            if (op.items > 0)
                std::printf("   %.3f us each", ms * 1000 / double(op.items));
            std::printf("\n");
        }
        std::printf("\npeak memory: %.1f MiB\n", double(peakMemoryKiB()) / 1024);
    } catch (const DbError &e) {
        std::fprintf(stderr, "tallybee-bench: %s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
