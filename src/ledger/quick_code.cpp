#include "ledger/quick_code.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <iconv.h>

namespace {

struct InitialRange {
    int last; // the range runs from the previous range's last + 1 up to this, inclusive
    char letter;
};

// GB2312 level-1 characters are ordered by pinyin, so each initial covers one run of
// codes (first byte * 256 + second byte). No character begins with i, u or v.
constexpr int FirstCoded = 45217;
constexpr std::array<InitialRange, 23> Initials{{
    {45252, 'a'}, {45760, 'b'}, {46317, 'c'}, {46825, 'd'}, {47009, 'e'}, {47296, 'f'},
    {47613, 'g'}, {48118, 'h'}, {49061, 'j'}, {49323, 'k'}, {49895, 'l'}, {50370, 'm'},
    {50613, 'n'}, {50621, 'o'}, {50905, 'p'}, {51386, 'q'}, {51445, 'r'}, {52217, 's'},
    {52697, 't'}, {52979, 'w'}, {53688, 'x'}, {54480, 'y'}, {55289, 'z'},
}};

char initialOf(int code) {
    if (code < FirstCoded)
        return 0;
    const auto range = std::lower_bound(Initials.begin(), Initials.end(), code,
                                        [](const InitialRange &r, int c) { return r.last < c; });
    return range == Initials.end() ? 0 : range->letter;
}

// One conversion descriptor from UTF-8 to GBK, closed when done.
class GbkEncoder {
public:
    GbkEncoder() : m_cd(iconv_open("GBK", "UTF-8")) {}
    ~GbkEncoder() {
        if (valid())
            iconv_close(m_cd);
    }
    GbkEncoder(const GbkEncoder &) = delete;
    GbkEncoder &operator=(const GbkEncoder &) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // The GBK bytes of one character; empty when GBK has no such character.
    QByteArray encode(const QString &character) {
        QByteArray in = character.toUtf8();
        char out[8];
        char *inPtr = in.data();
        size_t inLeft = size_t(in.size());
        char *outPtr = out;
        size_t outLeft = sizeof out;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr); // a fresh shift state
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
            return {};
        return QByteArray(out, int(outPtr - out));
    }

private:
    iconv_t m_cd;
};

} // namespace

QString quickCodeFor(const QString &name) {
    GbkEncoder gbk;
    if (!gbk.valid())
        return {};

    // Character by character, so one that GBK lacks (an emoji, say) only gives no letter
    // instead of spoiling the rest. The whole name counts, however long it is.
    const QString trimmed = name.trimmed();
    QString code;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const qsizetype length = trimmed.at(i).isHighSurrogate() ? 2 : 1;
        const QByteArray bytes = gbk.encode(trimmed.mid(i, length));
        i += length - 1;
        if (bytes.size() != 2)
            continue;
        const int c = uchar(bytes.at(0)) * 256 + uchar(bytes.at(1));
        if (const char letter = initialOf(c))
            code += QLatin1Char(letter);
    }
    return code;
}
