#include "cp949.h"
#include <iconv.h>
#include <cerrno>

namespace {
// One converter per direction, opened once: exports convert every cell.
iconv_t converter(bool fromUtf8)
{
    thread_local iconv_t toCp949 = iconv_open("CP949", "UTF-8");
    thread_local iconv_t toUtf8 = iconv_open("UTF-8", "CP949");
    iconv_t cd = fromUtf8 ? toCp949 : toUtf8;
    if (cd != reinterpret_cast<iconv_t>(-1))
        iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    return cd;
}

// Appends the conversion of input to *result.
void convert(QByteArrayView input, bool fromUtf8, QByteArray *result)
{
    iconv_t cd = converter(fromUtf8);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return;
    QByteArray out;
    out.resize(input.size() * 4 + 16);
    char *in = const_cast<char *>(input.data());
    size_t inLeft = size_t(input.size());
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        if (errno == EILSEQ || errno == EINVAL) {
            // Skip one unconvertible character (a whole UTF-8 sequence, or one byte) and write '?'.
            int skip = 1;
            if (fromUtf8) {
                const unsigned char c = static_cast<unsigned char>(*in);
                skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            }
            skip = int(qMin<size_t>(size_t(skip), inLeft));
            in += skip;
            inLeft -= size_t(skip);
            if (outLeft > 0) { *outPtr++ = '?'; --outLeft; }
        } else {
            break;
        }
    }
    result->append(out.constData(), outPtr - out.constData());
}

// The converter finds its place again after an unconvertible character by going over what it has
// taken in so far: the text goes to it in short pieces of whole characters, so that the work stays in
// proportion to the length of the text however many of its characters fall outside the code page.
constexpr qsizetype kPiece = 128;

QByteArray fromUtf8InPieces(const QByteArray &utf8)
{
    QByteArray out;
    out.reserve(utf8.size() + 16);
    const qsizetype n = utf8.size();
    for (qsizetype from = 0; from < n;) {
        qsizetype to = qMin(from + kPiece, n);
        while (to < n && (static_cast<unsigned char>(utf8.at(to)) & 0xC0) == 0x80)
            ++to;   // never inside a UTF-8 sequence
        convert(QByteArrayView(utf8.constData() + from, to - from), true, &out);
        from = to;
    }
    return out;
}
} // namespace

static bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

QByteArray ToCp949(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return isAscii(utf8) ? utf8 : fromUtf8InPieces(utf8);
}

QString FromCp949(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QByteArray utf8;
    convert(bytes, false, &utf8);
    return QString::fromUtf8(utf8);
}

// Input lengths count one byte for an ASCII character and two for every other character, Hangul or
// not: a character outside the code page (an emoji, a pasted symbol) takes one character's two bytes
// however many UTF-16 units it has, and is never split.
static int charBytes(const QString &text, qsizetype i, qsizetype *units)
{
    const QChar c = text.at(i);
    *units = (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
    return c.unicode() < 0x80 ? 1 : 2;
}

int Cp949Length(const QString &text)
{
    int n = 0;
    qsizetype units = 1;
    for (qsizetype i = 0; i < text.size(); i += units)
        n += charBytes(text, i, &units);
    return n;
}

QString TruncateCp949(const QString &text, int maxBytes)
{
    int n = 0;
    qsizetype units = 1;
    for (qsizetype i = 0; i < text.size(); i += units) {
        const int w = charBytes(text, i, &units);
        if (n + w > maxBytes)
            return text.left(i);
        n += w;
    }
    return text;
}
