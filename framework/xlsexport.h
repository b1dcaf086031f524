#pragma once
// The spreadsheet file: an Excel binary worksheet of its own (BIFF4), written as the rows come so
// that no second copy of a result is held in memory.
//
//   TXlsWriter xls;
//   if (!xls.open(path)) …
//   xls.label(0, 0, caption);             // LABEL record, text in CP949 (CODEPAGE 949 after BOF)
//   xls.cell(3, 0, text, rightAligned);   // NUMBER for a number as the grid shows it, in its format
//                                         // (texts are views: a result's fields are not copied)
//   if (!xls.finish()) …                  // EOF record; false when anything failed to write
//
// Every record is: type, length of the data, data; all numbers little-endian. Before the cells come
// the code page, one font, the number formats and the cell formats (XF) a number may take: General,
// "0", "0.0" … and "#,##0", "#,##0.0" …, each up to six decimals, so a reader shows 1,234.50 as the
// grid did and still sums it.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringView>
#include <QVector>

class TXlsWriter {
public:
    // Rows are 16-bit numbers and the data starts at row 3: a result may hold at most this many records.
    static constexpr int MaxRecords = 65532;

    TXlsWriter();
    ~TXlsWriter();

    bool open(const QString &path);   // creates (or truncates) the file and writes BOF
    void label(quint16 row, quint16 column, QStringView text);
    // A number cell in the format of its text as shown ("1,234.50": "#,##0.00"; "12": General).
    void number(quint16 row, quint16 column, double value, QStringView shownAs = {});
    // A result field: NUMBER when the column is right-aligned and the text is a number as shown
    // (a leading minus sign, digits grouped by commas or not, decimals; an empty text is the number
    // 0), LABEL otherwise, as for a code with a leading zero.
    void cell(quint16 row, quint16 column, QStringView text, bool rightAligned);
    bool finish();                    // writes EOF and closes; false when any write failed
    void abandon();                   // closes and removes a half-written file
    bool failed() const { return m_failed; }

    // Whether a field of a right-aligned column is written as a number.
    static bool isNumberText(QStringView text);
    // The number format of a number as shown: "#,##0" when grouped, "0.00"/"#,##0.00" with its
    // decimals; empty for plain digits (General).
    static QString numberFormat(QStringView text);
    // The cell format (XF) of a number format this writer declares; 15 (General) for any other.
    static quint16 formatIndex(QStringView text);

private:
    void record(quint16 type, const QByteArray &data);
    char *room(int bytes);   // where the next record goes; flushes the buffer when it is full
    void flush();
    const QByteArray &encode(QStringView text);
    QFile m_file;
    // The CP949 bytes of the latest texts that are not plain ASCII, by their hash: such texts repeat
    // a lot in a result (names of codes).
    struct Encoded {
        QString text;
        QByteArray bytes;
    };
    QVector<Encoded> m_encoded;
    QByteArray m_buffer;
    int m_used = 0;
    bool m_failed = false;
};
