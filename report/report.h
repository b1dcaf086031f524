#pragma once
// Banded page reports.
//
// A report is a page (A4 portrait or landscape, margins in millimetres) and its bands; every band has
// a height and elements placed on it in millimetres relative to the band's top left corner:
//
//   report::Report r;
//   r.setOrientation(QPageLayout::Landscape);
//   r.band(report::Band::Title).setHeight(30).addLabel({0, 0, 190, 10}, "제목", 14).align(Qt::AlignCenter);
//   auto &detail = r.band(report::Band::Detail).setHeight(6);
//   detail.addField({0, 0, 30, 6}, "RENT_NO", 9);
//   r.band(report::Band::PageFooter).setHeight(8).addComputed({150, 0, 40, 8},
//        [](const report::Report &r) { return r.pageText(); }, 9);
//   r.setDataSource(&source);
//   r.savePdf("out.pdf");
//
// Bands: the title band on the first page only, the column header at the top of every page (below the
// title on the first), one detail band per record, the summary after the last record, and the page
// footer at the bottom of every page including the last.
//
// The records are read from a DataSource as the pages are drawn and are not kept; a report runs its
// source twice, once to count the pages ("page/total" needs the total) and once to draw. The preview
// draws the page it shows by running the source again up to that page, so a report of any length
// needs only the memory of one page.
#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

class QPainter;
class QPagedPaintDevice;
class QWidget;
namespace db { class Query; }

namespace report {

class Report;

// Where the records come from. reset() starts again at the first record (false on failure).
class DataSource {
public:
    virtual ~DataSource() = default;
    virtual bool reset() = 0;
    virtual bool next() = 0;     // false at the end, and when a record could not be read (failed())
    virtual QString value(const QString &field) const = 0;
    virtual bool failed() const { return false; }   // the reading stopped on an error, not at the end
};

// Runs a statement with its bound values each time the report starts reading.
class QuerySource : public DataSource {
public:
    explicit QuerySource(db::Query *query) : m_query(query) {}
    bool reset() override;
    bool next() override;
    QString value(const QString &field) const override;
    bool failed() const override;
private:
    db::Query *m_query;
};

struct Element {
    enum Kind { Label, Field, Computed, Box, Line, Picture };
    Kind kind = Label;
    QRectF rect;                        // millimetres, relative to the band
    QString text;                       // Label: the caption
    QString field;                      // Field: the source field shown
    QString onceKey;                    // Field: blank where this key field repeats the line above
    std::function<QString(const Report &)> compute;   // Computed: evaluated when drawn
    double pointSize = 9;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor color = Qt::black;
    QColor background;                  // invalid: transparent
    bool frame = false;                 // a thin frame around the element
    double penWidth = 0.2;              // millimetres, for frames, boxes and lines
    QImage image;                       // Picture
    bool visible = true;

    // Builder calls.
    Element &align(Qt::Alignment a) { alignment = a; return *this; }
    Element &setBold(bool on = true) { bold = on; return *this; }
    Element &framed(bool on = true) { frame = on; return *this; }
    Element &fill(const QColor &c) { background = c; return *this; }
    Element &pen(double mm) { penWidth = mm; return *this; }
    Element &textColor(const QColor &c) { color = c; return *this; }
    // A detail field left blank while keyField (the field itself when empty) has the value of the
    // line printed above it; the first line of every page shows it again.
    Element &blankRepeated(const QString &keyField = {}) { onceKey = keyField.isEmpty() ? field : keyField; return *this; }
};

class Band {
public:
    enum Kind { Title, ColumnHeader, Detail, Summary, PageFooter, KindCount };
    explicit Band(Kind kind = Detail) : m_kind(kind) {}
    Kind kind() const { return m_kind; }
    double height() const { return m_height; }
    Band &setHeight(double mm) { m_height = mm; return *this; }
    bool isEnabled() const { return m_enabled && m_height > 0; }
    Band &setEnabled(bool on) { m_enabled = on; return *this; }
    QColor background;   // fills the whole band width when valid

    Element &addLabel(const QRectF &mm, const QString &text, double pointSize = 9);
    Element &addField(const QRectF &mm, const QString &field, double pointSize = 9);
    Element &addComputed(const QRectF &mm, std::function<QString(const Report &)> compute, double pointSize = 9);
    Element &addBox(const QRectF &mm, const QColor &fill = QColor());
    Element &addLine(const QPointF &fromMm, const QPointF &toMm);
    Element &addPicture(const QRectF &mm, const QImage &image);
    QVector<Element> &elements() { return m_elements; }
    const QVector<Element> &elements() const { return m_elements; }
    Element *element(int index) { return &m_elements[index]; }

    // Called before the band is drawn (for a detail band: with the current record available), so a
    // layout can change texts, colours or visibility per record.
    std::function<void(Band &, const Report &)> beforePrint;

private:
    Element &add(Element e);
    Kind m_kind;
    double m_height = 0;
    bool m_enabled = true;
    QVector<Element> m_elements;
};

class Report {
public:
    Report();
    ~Report();
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    void setOrientation(QPageLayout::Orientation o) { m_orientation = o; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    QSizeF pageSizeMm() const;            // A4 in the orientation
    void setMargins(const QMarginsF &mm) { m_margins = mm; }
    QMarginsF margins() const { return m_margins; }
    double printableWidth() const;        // millimetres between the side margins
    void setFontFamily(const QString &family) { m_fontFamily = family; }
    QString fontFamily() const { return m_fontFamily; }
    void setDocumentName(const QString &name) { m_documentName = name; }
    QString documentName() const { return m_documentName; }
    void setTitle(const QString &title) { m_title = title; }   // the window title of its preview
    QString title() const { return m_title; }

    Band &band(Band::Kind kind) { return m_bands[kind]; }
    const Band &band(Band::Kind kind) const { return m_bands[kind]; }
    // A picture on a page of its own after the last (a chart of the report's figures), as wide as the
    // page allows; that page has no column headings and the page footer as every other.
    void setClosingPicture(const QImage &picture) { m_closingPicture = picture; }

    void setDataSource(DataSource *source) { m_source = source; }
    DataSource *dataSource() const { return m_source; }

    // While drawing: the page being drawn (from 1), the page count, the record number (from 1) and
    // the moment the output began.
    int pageNumber() const { return m_page; }
    int pageCount() const { return m_pageCount; }
    int recordNumber() const { return m_record; }
    QDateTime printedAt() const { return m_printedAt; }
    QString pageText() const { return QStringLiteral("%1/%2").arg(m_page).arg(m_pageCount); }
    QString value(const QString &field) const;   // the current record's field

    // Counts the pages (runs the source once). False when the source cannot be read.
    bool prepare();
    bool isPrepared() const { return m_prepared; }
    // Draws pages first..last (from 1) on a painter whose device is a page (PDF, printer, picture)
    // of the given size in device pixels; newPage is called between pages. Prepares when needed.
    bool render(QPainter *painter, const QSizeF &pageDevicePixels, int first, int last,
                const std::function<void()> &newPage = {});
    bool renderToDevice(QPagedPaintDevice *device);   // every page; sets the device's page layout
    bool savePdf(const QString &path);
    bool print();        // every page to the default printer (or the installed print target)
    void preview(QWidget *parent = nullptr);   // the preview window, modal

    // Reports progress (page drawn, page count) during long output; false cancels.
    std::function<bool(int page, int count)> progress;

    // Tests and tools replace the printer: the function receives the report to print.
    using PrintTarget = std::function<bool(Report &)>;
    static void setPrintTarget(PrintTarget target);
    static bool printerAvailable();   // a default printer (or the installed print target)

    QFont font(double pointSize, bool bold) const;   // in the drawing units (0.1 mm)
    // The width a text takes in the font, in millimetres; a layout sizes its boxes by it.
    double textWidthMm(const QString &text, double pointSize, bool bold = false) const;
    // Texts of the last output that could not be shown whole in their box even at the smallest size
    // a text may shrink to ("band: text"); empty when every text was printed in full.
    QStringList clippedTexts() const { return m_clipped; }
    // The texts the summary band printed in the last output (counts and totals), in their order.
    QStringList summaryTexts() const { return m_summaryTexts; }
    // The smallest size a text shrinks to before it takes a second line or is cut.
    static constexpr double MinPointSize = 5.5;

private:
    bool pass(QPainter *painter, int first, int last, const std::function<void()> &newPage);
    void drawBand(QPainter *painter, Band &band, double topMm, bool draw);
    QString fieldText(const Element &e) const;
    void rememberKeys(const Band &detail);
    void drawText(QPainter *painter, const Band &band, const Element &e, const QRectF &box, const QString &text);

    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QMarginsF m_margins{10, 10, 10, 10};
    QImage m_closingPicture;
    QString m_fontFamily = QStringLiteral("NanumBarunGothic");
    QString m_documentName;
    QString m_title;
    Band m_bands[Band::KindCount] = {Band(Band::Title), Band(Band::ColumnHeader), Band(Band::Detail),
                                     Band(Band::Summary), Band(Band::PageFooter)};
    DataSource *m_source = nullptr;
    int m_page = 0;
    int m_pageCount = 0;
    int m_record = 0;
    QHash<QString, QString> m_keysAbove;   // the once-keys of the detail line printed last
    bool m_pageTop = true;                 // no detail line on this page yet
    bool m_prepared = false;
    bool m_cancelled = false;
    QDateTime m_printedAt;
    QStringList m_clipped;
    QStringList m_summaryTexts;
};

} // namespace report
