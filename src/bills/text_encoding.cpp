#include "bills/text_encoding.h"

#include <QStringDecoder>
#include <iconv.h>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

bool isValidUtf8(const QByteArray &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

QString decodeGbkWithIconv(const QByteArray &bytes) {
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QString::fromLatin1(bytes);

    QByteArray out;
    QByteArray in = bytes;
    char *inPtr = in.data();
    size_t inLeft = size_t(in.size());
    char buffer[4096];
    while (inLeft > 0) {
        char *outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, qsizetype(outPtr - buffer));
        if (done != size_t(-1))
            break;
        if (errno == E2BIG)
            continue;
        // A byte that starts no character, or a character cut off at the end: mark it and
        // go on with the next byte.
        out.append("\xEF\xBF\xBD");
        ++inPtr;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return QString::fromUtf8(out);
}

QString decodeGbk(const QByteArray &bytes) {
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        return decodeGbkWithIconv(bytes);
    return decoder(bytes);
}

DecodedText decodeText(const QByteArray &bytes, TextEncoding encoding) {
    const bool bom = bytes.startsWith(Utf8Bom);
    if (encoding == TextEncoding::Auto)
        encoding = bom || isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Gbk;
    if (encoding == TextEncoding::Gbk)
        return {decodeGbk(bytes), TextEncoding::Gbk};
    return {QString::fromUtf8(bom ? bytes.mid(Utf8Bom.size()) : bytes), TextEncoding::Utf8};
}
