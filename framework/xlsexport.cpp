#include "xlsexport.h"
#include "core/cp949.h"
#include <QtEndian>
#include <cstring>

namespace {
void put16(QByteArray &b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}
constexpr int kFlushAt = 64 * 1024;
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
    m_buffer.clear();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_failed = true;
        return false;
    }
    QByteArray bof;
    put16(bof, 0);
    put16(bof, 0x0010);   // worksheet
    put16(bof, 0);
    put16(bof, 0);
    record(0x0809, bof);
    return true;
}

void TXlsWriter::record(quint16 type, const QByteArray &data)
{
    put16(m_buffer, type);
    put16(m_buffer, quint16(data.size()));
    m_buffer.append(data);
    if (m_buffer.size() >= kFlushAt)
        flush();
}

void TXlsWriter::flush()
{
    if (m_buffer.isEmpty() || !m_file.isOpen())
        return;
    if (m_file.write(m_buffer) != m_buffer.size())
        m_failed = true;
    m_buffer.clear();
}

QByteArray TXlsWriter::encode(const QString &text)
{
    // Plain ASCII is the same in CP949; other texts repeat a lot in a result (names of codes), so the
    // conversions of the latest distinct texts are kept.
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) { ascii = false; break; }
    if (ascii)
        return text.toLatin1();
    auto it = m_encoded.constFind(text);
    if (it != m_encoded.constEnd())
        return *it;
    if (m_encoded.size() >= 4096)
        m_encoded.clear();
    QByteArray bytes = ToCp949(text);
    m_encoded.insert(text, bytes);
    return bytes;
}

void TXlsWriter::label(quint16 row, quint16 column, const QString &text)
{
    QByteArray bytes = encode(text);
    // The length field of a record is 16 bits; a text that long is cut rather than corrupting the file.
    const int room = 0xFFFF - 8;
    if (bytes.size() > room)
        bytes = ToCp949(TruncateCp949(text, room));
    put16(m_buffer, 0x0204);
    put16(m_buffer, quint16(8 + bytes.size()));
    put16(m_buffer, row);
    put16(m_buffer, column);
    put16(m_buffer, 0);
    put16(m_buffer, quint16(bytes.size()));
    m_buffer.append(bytes);
    if (m_buffer.size() >= kFlushAt)
        flush();
}

void TXlsWriter::number(quint16 row, quint16 column, double value)
{
    put16(m_buffer, 0x0203);
    put16(m_buffer, 14);
    put16(m_buffer, row);
    put16(m_buffer, column);
    put16(m_buffer, 0);
    quint64 bits;
    std::memcpy(&bits, &value, 8);
    char c[8];
    qToLittleEndian(bits, c);
    m_buffer.append(c, 8);
    if (m_buffer.size() >= kFlushAt)
        flush();
}

bool TXlsWriter::isNumberText(const QString &text)
{
    int i = text.startsWith('-') ? 1 : 0;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

void TXlsWriter::cell(quint16 row, quint16 column, const QString &text, bool rightAligned)
{
    if (rightAligned && isNumberText(text)) {
        // "" and "-" are the number 0; long digit strings keep what a double can hold.
        number(row, column, text == "-" ? 0.0 : text.toDouble());
        return;
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
    m_buffer.clear();
    m_file.close();
    m_file.remove();
}
