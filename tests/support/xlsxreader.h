#pragma once
// Reads a written workbook (.xlsx) back through the unzip tool and an XML reader: the first sheet's
// cells by their reference ("B4"), the merged ranges and the number formats of the styles.
#include <QHash>
#include <QProcess>
#include <QStringList>
#include <QXmlStreamReader>

namespace testing {

struct XlsxCell {
    bool number = false;
    QString text;        // the text, or the number as written
    int style = 0;
};

struct XlsxSheet {
    QHash<QString, XlsxCell> cells;
    QStringList merged;         // "B2:C2"
    QString styles;             // xl/styles.xml as written
    int rows = 0;               // the highest row number seen
};

inline QByteArray unzipped(const QString &path, const QString &member)
{
    QProcess p;
    p.start("unzip", {"-p", path, member});
    p.waitForFinished(120000);
    return p.readAllStandardOutput();
}

inline bool parseXlsx(const QString &path, XlsxSheet *sheet)
{
    const QByteArray xml = unzipped(path, "xl/worksheets/sheet1.xml");
    if (xml.isEmpty())
        return false;
    sheet->styles = QString::fromUtf8(unzipped(path, "xl/styles.xml"));
    QXmlStreamReader r(xml);
    QString ref;
    XlsxCell cell;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            if (r.name() == u"row")
                sheet->rows = qMax(sheet->rows, r.attributes().value("r").toInt());
            else if (r.name() == u"c") {
                ref = r.attributes().value("r").toString();
                cell = XlsxCell();
                cell.number = r.attributes().value("t").isEmpty() || r.attributes().value("t") == u"n";
                cell.style = r.attributes().value("s").toInt();
            } else if (r.name() == u"v" || r.name() == u"t")
                cell.text += r.readElementText();
            else if (r.name() == u"mergeCell")
                sheet->merged << r.attributes().value("ref").toString();
        } else if (r.isEndElement() && r.name() == u"c") {
            sheet->cells.insert(ref, cell);
        }
    }
    return !r.hasError();
}

} // namespace testing
