#pragma once

#include <QByteArray>
#include <QString>

// The encodings bill files come in: Alipay writes GBK, WeChat and most tools UTF-8.
enum class TextEncoding { Auto, Utf8, Gbk };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8; // what the bytes were read as
};

// Decodes a file's bytes. Auto takes UTF-8 when there is a byte order mark or the bytes
// are valid UTF-8, GBK otherwise. A UTF-8 byte order mark is dropped either way.
DecodedText decodeText(const QByteArray &bytes, TextEncoding encoding = TextEncoding::Auto);

// GBK (read as GB18030, its superset) to text; bytes that are not GBK become U+FFFD.
QString decodeGbk(const QByteArray &bytes);

// The same through glibc's iconv, for a Qt built without codecs beyond UTF-8 and Latin-1.
// Exposed so both paths can be tested.
QString decodeGbkWithIconv(const QByteArray &bytes);
