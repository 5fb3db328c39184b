// Writes a fresh seeded database: tallybee-mkdb PATH
#include "store/database.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tallybee-mkdb PATH\n");
        return 2;
    }
    try {
        Schema::createDatabase(QString::fromLocal8Bit(argv[1]));
    } catch (const DbError &e) {
        std::fprintf(stderr, "tallybee-mkdb: %s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
