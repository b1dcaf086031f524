#pragma once
// The Excel workbook file (.xlsx) beside the binary sheet: no row limit, numbers as numbers in the
// number format the grid shows them with, the bands over grouped columns merged across their run.
// Rows are written in order and kept on disk as they come, so a result of any length needs little
// memory.
//
//   TXlsxWriter xlsx;
//   if (!xlsx.open(path)) …
//   xlsx.label(0, 0, caption);
//   xlsx.band(1, 2, 4, "현황");              // merged over columns 2 to 4 of row 1
//   xlsx.cell(3, 0, text, rightAligned);     // as TXlsWriter::cell: numbers as shown become numbers
//   if (!xlsx.finish()) …
#include <QHash>
#include <QString>
#include <QStringView>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

class TXlsxWriter {
public:
    TXlsxWriter();
    ~TXlsxWriter();
    TXlsxWriter(const TXlsxWriter &) = delete;
    TXlsxWriter &operator=(const TXlsxWriter &) = delete;

    bool open(const QString &path);
    void label(int row, int column, QStringView text);
    void band(int row, int firstColumn, int lastColumn, const QString &text);
    void cell(int row, int column, QStringView text, bool rightAligned);
    bool finish();        // false when anything failed; the half-written file is removed then
    void abandon();
    bool failed() const { return m_failed; }

private:
    lxw_format *format(const QString &numberFormat);
    QString m_path;
    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    QHash<QString, lxw_format *> m_formats;
    lxw_format *m_bandFormat = nullptr;
    bool m_failed = false;
};
