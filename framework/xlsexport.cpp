#include "xlsexport.h"
#include <cmath>
#include "core/cp949.h"
#include <QHashFunctions>
#include <QtEndian>
#include <cstring>

namespace {
constexpr int kFlushAt = 64 * 1024;
constexpr int kCacheSlots = 4096;            // a power of two
constexpr int kLabelRoom = 0xFFFF - 8;       // the longest text a LABEL record can hold
constexpr int kMaxDecimals = 6;
constexpr quint16 kGeneralXf = 15;           // XF 0-14 are the style formats every sheet starts with

// The declared number formats, in the order of their FORMAT records (a format's index is its place):
// General, then "0", "0.0" … and "#,##0", "#,##0.0" …
QStringList declaredFormats()
{
    QStringList formats{QStringLiteral("General")};
    for (const QString &whole : {QStringLiteral("0"), QStringLiteral("#,##0")})
        for (int d = 0; d <= kMaxDecimals; ++d)
            formats << (d ? whole + u'.' + QString(d, u'0') : whole);
    return formats;
}

QByteArray byteString(const QString &text)
{
    const QByteArray bytes = ToCp949(text);
    return char(bytes.size()) + bytes;
}

// An XF record: the font, the number format, a cell format (or a style format) whose number format
// is its own.
QByteArray xfRecord(quint8 format, bool style)
{
    char data[12] = {};
    data[1] = char(format);
    qToLittleEndian<quint16>(style ? 0xFFF5 : 0x0001, data + 2);   // locked; a style has no parent
    data[4] = 0x20;                                                 // bottom aligned
    data[5] = char(style ? 0 : (format ? 0x04 : 0));                // the number format is the cell's own
    qToLittleEndian<quint16>(0xCE00, data + 6);                     // no fill: automatic colours
    return QByteArray(data, 12);
}

inline char *put16(char *p, quint16 v)
{
    qToLittleEndian(v, p);
    return p + 2;
}
} // namespace

TXlsWriter::TXlsWriter() = default;
TXlsWriter::~TXlsWriter()
{
    if (m_file.isOpen())
        abandon();
}

bool TXlsWriter::open(const QString &path)
{
    m_failed = false;
    m_used = 0;
    m_buffer.resize(kFlushAt + 16);
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_failed = true;
        return false;
    }
    char bof[6] = {};
    put16(bof + 2, 0x0010);   // a worksheet of its own
    record(0x0409, QByteArray(bof, 6));
    char codePage[2];
    put16(codePage, 949);     // the texts are CP949, whatever the reader's own language
    record(0x0042, QByteArray(codePage, 2));
    char font[6] = {};
    put16(font, 200);         // 10 points
    put16(font + 4, 0x7FFF);  // the window's text colour
    record(0x0231, QByteArray(font, 6) + byteString(QStringLiteral("굴림")));
    const QStringList formats = declaredFormats();
    for (const QString &f : formats)
        record(0x041E, QByteArray(2, '\0') + byteString(f));
    for (int i = 0; i < kGeneralXf; ++i)
        record(0x0443, xfRecord(0, true));
    for (int f = 0; f < formats.size(); ++f)
        record(0x0443, xfRecord(quint8(f), false));
    return true;
}

char *TXlsWriter::room(int bytes)
{
    if (m_used + bytes > kFlushAt)
        flush();
    if (m_buffer.size() < m_used + bytes)
        m_buffer.resize(m_used + bytes);
    return m_buffer.data() + m_used;
}

void TXlsWriter::record(quint16 type, const QByteArray &data)
{
    char *p = room(4 + int(data.size()));
    p = put16(p, type);
    p = put16(p, quint16(data.size()));
    if (!data.isEmpty())
        std::memcpy(p, data.constData(), size_t(data.size()));
    m_used += 4 + int(data.size());
}

void TXlsWriter::flush()
{
    if (m_used == 0 || !m_file.isOpen()) {
        m_used = 0;
        return;
    }
    if (m_file.write(m_buffer.constData(), m_used) != m_used)
        m_failed = true;
    m_used = 0;
}

const QByteArray &TXlsWriter::encode(QStringView text)
{
    if (m_encoded.isEmpty())
        m_encoded.resize(kCacheSlots);
    Encoded &slot = m_encoded[int(qHash(text) & (kCacheSlots - 1))];
    if (slot.text != text || slot.bytes.isNull()) {
        slot.text = text.toString();
        slot.bytes = ToCp949(slot.text);
        if (slot.bytes.size() > kLabelRoom)   // the length field is 16 bits: cut rather than corrupt the file
            slot.bytes = ToCp949(TruncateCp949(slot.text, kLabelRoom));
    }
    return slot.bytes;
}

void TXlsWriter::label(quint16 row, quint16 column, QStringView text)
{
    // Plain ASCII is the same in CP949 and goes straight into the record.
    const qsizetype n = text.size();
    if (n <= kLabelRoom) {
        char *p = room(12 + int(n));
        char *out = p + 12;
        qsizetype i = 0;
        const QChar *in = text.data();
        for (; i < n; ++i) {
            const char16_t c = in[i].unicode();
            if (c >= 0x80)
                break;
            out[i] = char(c);
        }
        if (i == n) {
            p = put16(p, 0x0204);
            p = put16(p, quint16(8 + n));
            p = put16(p, row);
            p = put16(p, column);
            p = put16(p, kGeneralXf);
            put16(p, quint16(n));
            m_used += 12 + int(n);
            return;
        }
    }
    const QByteArray &bytes = encode(text);
    char *p = room(12 + int(bytes.size()));
    p = put16(p, 0x0204);
    p = put16(p, quint16(8 + bytes.size()));
    p = put16(p, row);
    p = put16(p, column);
    p = put16(p, kGeneralXf);
    p = put16(p, quint16(bytes.size()));
    std::memcpy(p, bytes.constData(), size_t(bytes.size()));
    m_used += 12 + int(bytes.size());
}

void TXlsWriter::number(quint16 row, quint16 column, double value, QStringView shownAs)
{
    char *p = room(18);
    p = put16(p, 0x0203);
    p = put16(p, 14);
    p = put16(p, row);
    p = put16(p, column);
    p = put16(p, formatIndex(shownAs));
    quint64 bits;
    std::memcpy(&bits, &value, 8);
    qToLittleEndian(bits, p);
    m_used += 18;
}

bool TXlsWriter::isNumberText(QStringView text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const QStringView body = text.mid(i);
    // a code with a leading zero ("0001") is text as shown
    if (body.size() > 1 && body[0] == u'0' && body[1] != u'.')
        return false;
    const qsizetype point = body.indexOf(u'.');
    const QStringView whole = point < 0 ? body : body.left(point);
    const bool grouped = whole.contains(u',');
    qsizetype digits = 0;
    for (qsizetype k = 0; k < whole.size(); ++k) {
        const QChar c = whole[k];
        if (c == u',') {
            // groups of three: "1,234", never ",12" or "1,23"
            if (digits == 0 || (whole.size() - k - 1) % 4 != 3)
                return false;
            continue;
        }
        if (c < u'0' || c > u'9' || (grouped && (whole.size() - k) % 4 == 0))
            return false;
        ++digits;
    }
    if (point < 0)
        return true;
    const QStringView decimals = body.mid(point + 1);
    if (digits == 0 || decimals.isEmpty())
        return false;
    for (QChar c : decimals)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString TXlsWriter::numberFormat(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    const bool grouped = text.contains(u',');
    if (point < 0)
        return grouped ? QStringLiteral("#,##0") : QString();
    return (grouped ? QStringLiteral("#,##0.") : QStringLiteral("0.")) + QString(text.size() - point - 1, u'0');
}

quint16 TXlsWriter::formatIndex(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(text.size() - point - 1);
    if (decimals > kMaxDecimals || (point < 0 && !text.contains(u',')))
        return kGeneralXf;
    // General, then seven "0…" formats, then seven "#,##0…"
    return quint16(kGeneralXf + 1 + (text.contains(u',') ? kMaxDecimals + 1 : 0) + decimals);
}

void TXlsWriter::cell(quint16 row, quint16 column, QStringView text, bool rightAligned)
{
    if (rightAligned && isNumberText(text) && (text.contains(u',') || text.contains(u'.'))) {
        // an amount as the grid shows it, separators and decimals: its value
        QString plain = text.toString();
        plain.remove(u',');
        number(row, column, plain.toDouble(), text);
        return;
    }
    if (rightAligned && isNumberText(text)) {
        // "" and "-" are the number 0; long digit strings keep what a double can hold.
        const bool negative = text.startsWith(u'-');
        const QStringView digits = text.mid(negative ? 1 : 0);
        double value;
        if (digits.size() <= 15) {
            qint64 v = 0;
            for (QChar c : digits)
                v = v * 10 + (c.unicode() - u'0');
            value = double(v);
            if (negative && digits.size() > 0)
                value = -value;
        } else {
            value = text.toDouble();
        }
        if (std::isfinite(value)) {   // past the largest double (over 309 digits) the digits stay text
            number(row, column, value);
            return;
        }
    }
    label(row, column, text);
}

bool TXlsWriter::finish()
{
    record(0x000A, QByteArray());
    flush();
    if (!m_file.flush())
        m_failed = true;
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        m_failed = true;
    if (m_failed)
        m_file.remove();
    return !m_failed;
}

void TXlsWriter::abandon()
{
    m_used = 0;
    m_file.close();
    m_file.remove();
}
