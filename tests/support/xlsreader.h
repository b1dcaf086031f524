#pragma once
// Reads a written spreadsheet file back record by record (BOF, the code page, the font, number formats
// and cell formats, label and number cells, EOF), so tests can assert the cells a user would open. The
// code page is a record of type 0x0042 with its number; a cell's format is the text of the number
// format its XF names (FORMAT records are numbered by their order, as a reader numbers them).
#include "core/cp949.h"
#include <QFile>
#include <QStringList>
#include <QVector>
#include <QtEndian>
#include <cstring>

namespace testing {

struct Cell {
    quint16 type, row, col;
    QString text;
    double number = 0;
    QString format;   // of a number cell: "General", "#,##0.00" …
};

// Reads the worksheet stream back; fails the comparison of the caller when a record is malformed.
inline bool parseXls(const QString &path, QVector<Cell> *cells)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray b = f.readAll();
    int pos = 0;
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    bool sawEof = false;
    QStringList formats;
    QVector<int> xfFormats;
    auto formatOf = [&](quint16 xf) { return xf < xfFormats.size() ? formats.value(xfFormats[xf]) : QString(); };
    while (pos + 4 <= b.size()) {
        const quint16 type = u16(pos), len = u16(pos + 2);
        if (pos + 4 + len > b.size())
            return false;
        const int d = pos + 4;
        Cell c{type, 0, 0, {}, 0};
        if (type == 0x0409) {
            if (len != 6 || u16(d + 2) != 0x0010) return false;
        } else if (type == 0x0231) {
            if (len < 7 || quint8(b[d + 6]) != len - 7) return false;
        } else if (type == 0x041E) {
            if (len < 3 || quint8(b[d + 2]) != len - 3) return false;
            formats << FromCp949(b.mid(d + 3, len - 3));
        } else if (type == 0x0443) {
            if (len != 12 || quint8(b[d + 1]) >= formats.size()) return false;
            xfFormats << quint8(b[d + 1]);
        } else if (type == 0x0042) {
            if (len != 2) return false;
            c.number = u16(d);
        } else if (type == 0x0204) {
            c.row = u16(d); c.col = u16(d + 2);
            if (u16(d + 4) >= xfFormats.size() || u16(d + 6) != len - 8) return false;
            c.text = FromCp949(b.mid(d + 8, len - 8));
        } else if (type == 0x0203) {
            if (len != 14) return false;
            c.row = u16(d); c.col = u16(d + 2);
            quint64 bits = qFromLittleEndian<quint64>(b.constData() + d + 6);
            std::memcpy(&c.number, &bits, 8);
            c.format = formatOf(u16(d + 4));
            if (c.format.isEmpty()) return false;
        } else if (type == 0x000A) {
            if (len != 0) return false;
            sawEof = true;
        } else {
            return false;
        }
        cells->append(c);
        pos += 4 + len;
    }
    return sawEof && pos == b.size() && !cells->isEmpty() && cells->first().type == 0x0409;
}

inline int codePage(const QVector<Cell> &cells)
{
    for (const Cell &c : cells)
        if (c.type == 0x0042)
            return int(c.number);
    return 0;
}

inline const Cell *find(const QVector<Cell> &cells, int row, int col)
{
    for (const Cell &c : cells)
        if ((c.type == 0x0204 || c.type == 0x0203) && c.row == row && c.col == col)
            return &c;
    return nullptr;
}

} // namespace testing
