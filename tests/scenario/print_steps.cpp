#include "print_steps.h"

#include "script.h"
#include "session.h"
#include "step_failure.h"

#include <QFile>
#include <QRegularExpression>

namespace PrintSteps {
namespace {

int count(const QString &word, const char *what) {
    bool ok = false;
    const int n = word.toInt(&ok);
    if (!ok || n < 0)
        fail(QStringLiteral("expected %1 as a number, found %2")
                 .arg(QLatin1String(what), quoteWord(word)));
    return n;
}

} // namespace

void printer(Session &session, const QStringList &args) {
    session.printer().setDefaultPrinter(args.at(0) == QLatin1String("none") ? QString()
                                                                            : args.at(0));
}

void printedPages(Session &session, const QStringList &args) {
    const int expected = count(args.at(0), "the page count");
    const qsizetype printed = session.printer().lastPrint().size();
    if (session.printer().jobs() == 0)
        fail(QStringLiteral("expected %1 printed pages, found nothing printed").arg(expected));
    if (printed != expected)
        fail(QStringLiteral("expected %1 printed pages, found %2").arg(expected).arg(printed));
}

void printedText(Session &session, const QStringList &args) {
    const int page = count(args.at(0), "the page");
    const QList<QStringList> &pages = session.printer().lastPrint();
    if (page < 1 || page > pages.size())
        fail(QStringLiteral("expected a printed page %1, found %2 printed pages")
                 .arg(page)
                 .arg(pages.size()));
    const QStringList &lines = pages.at(page - 1);
    for (const QString &line : lines)
        if (line.contains(args.at(1)))
            return;
    fail(QStringLiteral("expected page %1 to hold %2, found %3")
             .arg(page)
             .arg(quoteWord(args.at(1)), quoteWord(lines.join(QStringLiteral(" | ")))));
}

int pdfPageCount(const QByteArray &pdf) {
    // Each page is a dictionary of type /Page; the page tree's nodes are /Pages.
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int pages = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++pages;
    return pages;
}

void pdfPages(Session &session, const QStringList &args) {
    const int expected = count(args.at(1), "the page count");
    QFile file(session.resolvePath(args.at(0)));
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("expected a PDF file %1, found none").arg(quoteWord(args.at(0))));
    const QByteArray content = file.readAll();
    if (!content.startsWith("%PDF-"))
        fail(QStringLiteral("expected %1 to be a PDF file, found other content")
                 .arg(quoteWord(args.at(0))));
    const int pages = pdfPageCount(content);
    if (pages != expected)
        fail(QStringLiteral("expected %1 to have %2 pages, found %3")
                 .arg(quoteWord(args.at(0)))
                 .arg(expected)
                 .arg(pages));
}

} // namespace PrintSteps
