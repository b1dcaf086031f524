#include "report.h"
#include "preview.h"
#include "database/query.h"
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace report {

namespace {
constexpr double kUnitsPerMm = 10.0;   // drawing units: 0.1 mm
constexpr double kUnitsPerPoint = 25.4 / 72.0 * kUnitsPerMm;

Report::PrintTarget &printTarget()
{
    static Report::PrintTarget target;
    return target;
}

QRectF units(const QRectF &mm, double top)
{
    return QRectF(mm.x() * kUnitsPerMm, (mm.y() + top) * kUnitsPerMm, mm.width() * kUnitsPerMm,
                  mm.height() * kUnitsPerMm);
}
} // namespace

bool QuerySource::reset() { return m_query && m_query->open(); }
bool QuerySource::next() { return m_query && m_query->next(); }
bool QuerySource::failed() const { return m_query && m_query->failed(); }
QString QuerySource::value(const QString &field) const { return m_query ? m_query->value(field) : QString(); }

Element &Band::add(Element e)
{
    m_elements.append(std::move(e));
    return m_elements.last();
}

Element &Band::addLabel(const QRectF &mm, const QString &text, double pointSize)
{
    Element e;
    e.kind = Element::Label;
    e.rect = mm;
    e.text = text;
    e.pointSize = pointSize;
    return add(e);
}

Element &Band::addField(const QRectF &mm, const QString &field, double pointSize)
{
    Element e;
    e.kind = Element::Field;
    e.rect = mm;
    e.field = field;
    e.pointSize = pointSize;
    return add(e);
}

Element &Band::addComputed(const QRectF &mm, std::function<QString(const Report &)> compute, double pointSize)
{
    Element e;
    e.kind = Element::Computed;
    e.rect = mm;
    e.compute = std::move(compute);
    e.pointSize = pointSize;
    return add(e);
}

Element &Band::addBox(const QRectF &mm, const QColor &fill)
{
    Element e;
    e.kind = Element::Box;
    e.rect = mm;
    e.background = fill;
    e.frame = true;
    return add(e);
}

Element &Band::addLine(const QPointF &fromMm, const QPointF &toMm)
{
    Element e;
    e.kind = Element::Line;
    e.rect = QRectF(fromMm, toMm);
    return add(e);
}

Element &Band::addPicture(const QRectF &mm, const QImage &image)
{
    Element e;
    e.kind = Element::Picture;
    e.rect = mm;
    e.image = image;
    return add(e);
}

Report::Report() = default;
Report::~Report() = default;

void Report::setPrintTarget(PrintTarget target) { printTarget() = std::move(target); }

bool Report::printerAvailable() { return printTarget() || !QPrinterInfo::defaultPrinter().isNull(); }

QSizeF Report::pageSizeMm() const
{
    QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return m_orientation == QPageLayout::Landscape ? a4.transposed() : a4;
}

double Report::printableWidth() const { return pageSizeMm().width() - m_margins.left() - m_margins.right(); }

QString Report::value(const QString &field) const { return m_source ? m_source->value(field) : QString(); }

QFont Report::font(double pointSize, bool bold) const
{
    QFont f(m_fontFamily);
    f.setPixelSize(qMax(1, qRound(pointSize * kUnitsPerPoint)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void Report::drawBand(QPainter *painter, Band &band, double topMm, bool draw)
{
    if (band.kind() != Band::Detail && band.beforePrint)
        band.beforePrint(band, *this);
    if (!draw || !painter)
        return;
    const double left = m_margins.left();
    if (band.background.isValid())
        painter->fillRect(units(QRectF(left, 0, printableWidth(), band.height()), topMm), band.background);
    for (const Element &e : band.elements()) {
        if (!e.visible)
            continue;
        QRectF r = units(e.rect.translated(left, 0), topMm);
        QPen pen(e.color, e.penWidth * kUnitsPerMm);
        switch (e.kind) {
        case Element::Line:
            painter->setPen(pen);
            painter->drawLine(r.topLeft(), r.bottomRight());
            continue;
        case Element::Picture:
            if (!e.image.isNull())
                painter->drawImage(r, e.image);
            continue;
        case Element::Box:
            if (e.background.isValid())
                painter->fillRect(r, e.background);
            if (e.frame) {
                painter->setPen(pen);
                painter->setBrush(Qt::NoBrush);
                painter->drawRect(r);
            }
            continue;
        default:
            break;
        }
        if (e.background.isValid())
            painter->fillRect(r, e.background);
        if (e.frame) {
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(r);
        }
        QString text = e.kind == Element::Label ? e.text
                     : e.kind == Element::Field ? fieldText(e)
                     : (e.compute ? e.compute(*this) : QString());
        if (text.isEmpty())
            continue;
        const double pad = 0.8 * kUnitsPerMm;
        drawText(painter, band, e, r.adjusted(pad, 0, -pad, 0), text);
    }
}

// A text is never cut silently: too wide for its box it is drawn smaller, down to MinPointSize, then
// on two lines where the box is high enough; only what does not fit even so is cut, and noted.
void Report::drawText(QPainter *painter, const Band &band, const Element &e, const QRectF &box, const QString &text)
{
    painter->setPen(e.color);
    if (band.kind() == Band::Summary)
        m_summaryTexts << text;
    const int flags = int(e.alignment) | Qt::TextSingleLine;
    const int smallest = qRound(MinPointSize * kUnitsPerPoint);
    QFont f = font(e.pointSize, e.bold);
    const double room = box.width() + 0.5;   // half a unit for rounding
    double width = QFontMetricsF(f).horizontalAdvance(text);
    if (width > room && f.pixelSize() > smallest) {
        int size = qMax(smallest, int(f.pixelSize() * room / width));
        for (;; --size) {
            f.setPixelSize(size);
            width = QFontMetricsF(f).horizontalAdvance(text);
            if (width <= room || size <= smallest)
                break;
        }
    }
    if (width <= room) {
        painter->setFont(f);
        painter->drawText(box, flags, text);
        return;
    }
    // two lines, broken at a blank when there is one
    for (int size = qRound(e.pointSize * kUnitsPerPoint); size >= smallest; --size) {
        f.setPixelSize(size);
        const QFontMetricsF fm(f);
        if (2 * fm.lineSpacing() > box.height() + 0.5)
            continue;
        const int wrap = text.contains(QLatin1Char(' ')) ? Qt::TextWordWrap : Qt::TextWrapAnywhere;
        const QRectF needed = fm.boundingRect(QRectF(box.topLeft(), QSizeF(box.width(), 1e6)), wrap | int(e.alignment), text);
        if (needed.width() <= room && needed.height() <= box.height() + 0.5) {
            painter->setFont(f);
            painter->drawText(box, wrap | int(e.alignment), text);
            return;
        }
    }
    static const char *const names[] = {"title", "heading", "detail", "summary", "footer"};
    m_clipped << QStringLiteral("%1 %2: %3").arg(QString::fromLatin1(names[band.kind()])).arg(m_page).arg(text);
    f.setPixelSize(smallest);
    painter->setFont(f);
    painter->drawText(box, flags, text);
}

double Report::textWidthMm(const QString &text, double pointSize, bool bold) const
{
    return QFontMetricsF(font(pointSize, bold)).horizontalAdvance(text) / kUnitsPerMm;
}

QString Report::fieldText(const Element &e) const
{
    if (!e.onceKey.isEmpty() && !m_pageTop) {
        const auto above = m_keysAbove.constFind(e.onceKey);
        if (above != m_keysAbove.constEnd() && *above == value(e.onceKey))
            return QString();
    }
    return value(e.field);
}

void Report::rememberKeys(const Band &detail)
{
    for (const Element &e : detail.elements())
        if (!e.onceKey.isEmpty())
            m_keysAbove.insert(e.onceKey, value(e.onceKey));
    m_pageTop = false;
}

bool Report::pass(QPainter *painter, int first, int last, const std::function<void()> &newPage)
{
    if (!m_source || !m_source->reset())
        return false;
    m_cancelled = false;
    m_page = 1;
    m_record = 0;
    m_keysAbove.clear();
    if (painter) {
        m_clipped.clear();
        m_summaryTexts.clear();
    }
    const double top = m_margins.top();
    Band &title = m_bands[Band::Title];
    Band &header = m_bands[Band::ColumnHeader];
    Band &detail = m_bands[Band::Detail];
    Band &summary = m_bands[Band::Summary];
    Band &footer = m_bands[Band::PageFooter];
    const double footerTop = pageSizeMm().height() - m_margins.bottom() - (footer.isEnabled() ? footer.height() : 0);
    double y = top;
    double contentTop = top;
    bool bare = false;
    auto drawing = [&] { return painter && m_page >= first && m_page <= last; };
    auto startPage = [&] {
        y = top;
        if (m_page == 1 && title.isEnabled()) {
            drawBand(painter, title, y, drawing());
            y += title.height();
        }
        if (header.isEnabled() && !bare) {
            drawBand(painter, header, y, drawing());
            y += header.height();
        }
        contentTop = y;
        m_pageTop = true;
    };
    // Ends the page; false when the output stops here (last wanted page drawn, or cancelled).
    auto endPage = [&]() -> bool {
        if (footer.isEnabled())
            drawBand(painter, footer, footerTop, drawing());
        if (progress && m_pageCount > 0 && !progress(m_page, m_pageCount)) {
            m_cancelled = true;
            return false;
        }
        if (painter && m_page >= last)
            return false;
        if (painter && m_page >= first && newPage)
            newPage();
        ++m_page;
        startPage();
        return true;
    };
    startPage();
    while (m_source->next()) {
        ++m_record;
        if (detail.beforePrint)
            detail.beforePrint(detail, *this);
        if (!detail.isEnabled())
            continue;
        if (y + detail.height() > footerTop + 1e-6 && y > contentTop + 1e-6) {
            if (!endPage())
                return !m_cancelled;
        }
        drawBand(painter, detail, y, drawing());
        rememberKeys(detail);
        y += detail.height();
    }
    if (m_source->failed())   // a record that could not be read: the report would be short of it
        return false;
    if (summary.isEnabled()) {
        if (y + summary.height() > footerTop + 1e-6 && y > contentTop + 1e-6) {
            if (!endPage())
                return !m_cancelled;
        }
        drawBand(painter, summary, y, drawing());
        y += summary.height();
    }
    if (!m_closingPicture.isNull()) {
        bare = true;   // the picture's page has no column headings
        if (!endPage())
            return !m_cancelled;
        const double width = pageSizeMm().width() - m_margins.left() - m_margins.right();
        const double height = qMin(width * m_closingPicture.height() / m_closingPicture.width(), footerTop - y);
        Band page(Band::Summary);
        page.setHeight(height);
        page.addPicture({0, 0, width, height}, m_closingPicture);
        drawBand(painter, page, y, drawing());
    }
    if (footer.isEnabled())
        drawBand(painter, footer, footerTop, drawing());
    if (progress && m_pageCount > 0 && !progress(m_page, m_pageCount))
        m_cancelled = true;
    return !m_cancelled;
}

bool Report::prepare()
{
    m_printedAt = QDateTime::currentDateTime();
    m_pageCount = 0;
    auto saved = std::move(progress);
    progress = nullptr;
    bool ok = pass(nullptr, 1, 0, {});
    progress = std::move(saved);
    m_prepared = ok;
    m_pageCount = ok ? m_page : 0;
    return ok;
}

bool Report::render(QPainter *painter, const QSizeF &pageDevicePixels, int first, int last,
                    const std::function<void()> &newPage)
{
    if (!m_prepared && !prepare())
        return false;
    const QSizeF mm = pageSizeMm();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->scale(pageDevicePixels.width() / (mm.width() * kUnitsPerMm),
                   pageDevicePixels.height() / (mm.height() * kUnitsPerMm));
    bool ok = pass(painter, first, last, newPage);
    painter->restore();
    return ok;
}

bool Report::renderToDevice(QPagedPaintDevice *device)
{
    if (!m_prepared && !prepare())
        return false;
    device->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), m_orientation, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(device))
        return false;
    bool ok = render(&painter, QSizeF(device->width(), device->height()), 1, m_pageCount,
                     [device] { device->newPage(); });
    return painter.end() && ok;
}

bool Report::savePdf(const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setTitle(m_documentName);
    writer.setCreator(QStringLiteral("스포츠 관리"));
    return renderToDevice(&writer);
}

bool Report::print()
{
    if (printTarget())
        return printTarget()(*this);
    if (QPrinterInfo::defaultPrinter().isNull())
        return false;
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(m_documentName);
    return renderToDevice(&printer);
}

void Report::preview(QWidget *parent)
{
    TReportPreview window(*this, parent);
    window.exec();
}

} // namespace report
