#include "store/engine_error.h"

#include <QSqlError>
#include <sqlite3.h>

int engineCode(const QSqlError &error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : 0;
}

QString userTextOf(int code, const QString &engineText) {
    QString sentence;
    switch (code) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        sentence = QStringLiteral("数据库正被另一个Tallybee程序使用，请稍后再试");
        break;
    case SQLITE_READONLY:
        sentence = QStringLiteral("数据库文件是只读的，无法保存");
        break;
    case SQLITE_FULL:
        sentence = QStringLiteral("磁盘已满，数据无法保存");
        break;
    case SQLITE_IOERR:
        sentence = QStringLiteral("读写数据库文件时出错，数据可能没有保存");
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        sentence = QStringLiteral("数据库文件已损坏");
        break;
    case SQLITE_ERROR:
        // sum() of amounts beyond the currency range.
        if (engineText.contains(QLatin1String("integer overflow")))
            sentence = QStringLiteral("金额合计超出范围");
        break;
    default:
        break;
    }
    if (sentence.isEmpty())
        return engineText;
    return engineText.isEmpty() ? sentence : sentence + QLatin1Char('\n') + engineText;
}

DbError engineError(const QSqlError &error) {
    QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (text.isEmpty())
        text = QStringLiteral("unknown database error");
    const int code = engineCode(error);
    return DbError(userTextOf(code, text), code);
}
