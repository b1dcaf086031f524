#include "xlsexport.h"
#include "app/cp949.h"
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

void TXlsWriter::label(quint16 row, quint16 column, const QString &text)
{
    QByteArray bytes = ToCp949(text);
    // The length field of a record is 16 bits; a text that long is cut rather than corrupting the file.
    const int room = 0xFFFF - 8;
    if (bytes.size() > room)
        bytes = ToCp949(TruncateCp949(text, room));
    QByteArray data;
    data.reserve(8 + bytes.size());
    put16(data, row);
    put16(data, column);
    put16(data, 0);
    put16(data, quint16(bytes.size()));
    data.append(bytes);
    record(0x0204, data);
}

void TXlsWriter::number(quint16 row, quint16 column, double value)
{
    QByteArray data;
    put16(data, row);
    put16(data, column);
    put16(data, 0);
    quint64 bits;
    std::memcpy(&bits, &value, 8);
    char c[8];
    qToLittleEndian(bits, c);
    data.append(c, 8);
    record(0x0203, data);
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
