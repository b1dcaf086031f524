#include "framework/reportviewer.h"
#include "core/settings.h"
#include "database/datamodule.h"
#include "framework/ezs000.h"
#include "report/preview.h"
#include "report/report.h"
#include <QEventLoop>
#include <cmath>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

int &serverTimeout()
{
    static int ms = 10000;
    return ms;
}

bool isServer(const QString &location)
{
    return location.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || location.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

QString escaped(QString v)
{
    v.replace('\\', QLatin1String("\\\\"));
    v.replace('[', QLatin1String("\\["));
    v.replace(']', QLatin1String("\\]"));
    return v;
}

// "1234567.5" as "1,234,567.5"; texts that are no number stay as they are.
QString grouped(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    // Whole numbers by their own test: a value past the 64-bit range has no qint64 to compare with.
    QString digits = QString::number(value, 'f', std::trunc(value) == value ? 0 : 2);
    const bool negative = digits.startsWith('-');
    if (negative)
        digits.remove(0, 1);
    int point = digits.indexOf('.');
    if (point < 0)
        point = digits.size();
    for (int i = point - 3; i > 0; i -= 3)
        digits.insert(i, ',');
    return negative ? '-' + digits : digits;
}

// The query's records, adding up the total columns as they pass; the summary reads the sums after
// the last record of the same pass.
class SummingSource : public report::DataSource {
public:
    db::Query *query = nullptr;
    QStringList fields;
    QHash<QString, double> sums;
    bool reset() override
    {
        sums.clear();
        return query->open();
    }
    bool next() override
    {
        if (!query->next())
            return false;
        for (const QString &f : fields)
            sums[f] += query->value(f).toDouble();
        return true;
    }
    QString value(const QString &field) const override { return query->value(field); }
    bool failed() const override { return query->failed(); }
};

Qt::Alignment alignmentOf(const QString &name)
{
    if (name == QLatin1String("right"))
        return Qt::AlignRight | Qt::AlignVCenter;
    if (name == QLatin1String("center"))
        return Qt::AlignCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QString shownValue(const QString &v)
{
    static const QRegularExpression day(QStringLiteral("^\\d{8}$"));
    return day.match(v).hasMatch() ? v.left(4) + '-' + v.mid(4, 2) + '-' + v.mid(6) : v;
}

} // namespace

QString ReportParams(const QStringList &values)
{
    QString s = QStringLiteral("/rp");
    for (int i = 0; i < values.size(); ++i)
        s += QStringLiteral(" [") + escaped(values[i]) + QStringLiteral("]");
    return s;
}

QStringList ParseReportParams(const QString &text)
{
    QStringList values;
    if (!text.startsWith(QLatin1String("/rp")))
        return values;
    int i = 3;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        if (i >= text.size() || text[i] != '[')
            break;
        QString v;
        bool closed = false;
        for (++i; i < text.size(); ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) {
                v += text[++i];
            } else if (text[i] == ']') {
                closed = true;
                ++i;
                break;
            } else {
                v += text[i];
            }
        }
        if (!closed)
            break;
        values << v;
    }
    return values;
}

struct TReportViewer::Built {
    std::unique_ptr<db::Query> query;
    SummingSource source;
};

TReportViewer::TReportViewer(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(this);
    m_preview = new report::TReportPreviewWidget(m_stack);
    m_message = new QLabel(m_stack);
    m_message->setObjectName(QStringLiteral("lblViewerMessage"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_stack->addWidget(m_preview);
    m_stack->addWidget(m_message);
    layout->addWidget(m_stack);
}

TReportViewer::~TReportViewer()
{
    m_preview->setReport(nullptr);
}

// Both take effect with the next Open: the report shown is not drawn again for them.
void TReportViewer::setAutoAdjust(short value)
{
    m_autoAdjust = value;
}

void TReportViewer::setZoomRatio(short percent)
{
    m_zoomRatio = percent;
}

void TReportViewer::applyZoom()
{
    if (!m_report)
        return;
    int zoom = m_zoomRatio;
    if (m_autoAdjust != 0) {
        const double pagePx = m_report->pageSizeMm().width() * logicalDpiX() / 25.4;
        zoom = pagePx > 0 ? int(100.0 * (m_preview->width() - 30) / pagePx) : 100;
    }
    m_preview->setZoom(qBound(10, zoom, 400));
}

QString TReportViewer::location(const QString &fileName)
{
    QString base = Settings().reportFolder;
    if (!base.isEmpty() && !base.endsWith('/'))
        base += '/';
    return base + fileName;
}

QString TReportViewer::localLocation(const QString &fileName)
{
    QString base = Settings().localReportFolder;
    if (!base.isEmpty() && !base.endsWith('/'))
        base += '/';
    return base + fileName;
}

void TReportViewer::setServerTimeout(int ms)
{
    serverTimeout() = ms;
}

bool TReportViewer::fail(const QString &message)
{
    m_error = message;
    m_preview->setReport(nullptr);
    m_report.reset();
    m_built.reset();
    QString shown = message;
    shown.replace('\r', '\n');
    m_message->setText(shown);
    m_stack->setCurrentWidget(m_message);
    return false;
}

bool TReportViewer::readDefinition(const QString &location, QByteArray *data)
{
    if (!isServer(location)) {
        QFile file(location);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("보고서 정의 파일을 찾을 수 없습니다.\r%1").arg(location));
        *data = file.readAll();
        return true;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(location)};
    request.setTransferTimeout(serverTimeout());
    QNetworkReply *reply = manager.get(request);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, reply, &QNetworkReply::abort);
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(serverTimeout());
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool ok = reply->error() == QNetworkReply::NoError;
    const QString error = reply->errorString();
    *data = reply->readAll();
    reply->deleteLater();
    if (!ok)
        return fail(QStringLiteral("보고서 서버에 연결할 수 없습니다.\r%1\r\r에러내용:\r%2").arg(location, error));
    return true;
}

bool TReportViewer::Open(const QString &location, const QString &params)
{
    m_location = location;
    m_values = ParseReportParams(params);
    m_title.clear();
    m_error.clear();
    QByteArray data;
    if (!readDefinition(location, &data))
        return false;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &parseError);
    const QJsonObject def = doc.object();
    const QJsonArray columns = def.value(QLatin1String("columns")).toArray();
    const QString sql = def.value(QLatin1String("statement")).toString();
    if (parseError.error != QJsonParseError::NoError || !doc.isObject() || sql.isEmpty() || columns.isEmpty())
        return fail(QStringLiteral("보고서 정의 파일을 읽을 수 없습니다.\r%1\r%2")
                        .arg(location, parseError.error != QJsonParseError::NoError
                                           ? parseError.errorString()
                                           : QStringLiteral("statement, columns가 없습니다.")));

    auto built = std::make_unique<Built>();
    built->query = std::make_unique<db::Query>(DM()->readDatabase());   // a replica when there is one
    built->query->setSql(sql);
    const QJsonArray names = def.value(QLatin1String("parameters")).toArray();
    QHash<QString, QString> shown;
    for (int i = 0; i < names.size(); ++i) {
        const QString value = m_values.value(i);
        built->query->bind(names[i].toString(), value);
        shown.insert(names[i].toString(), shownValue(value));
    }
    if (!built->query->open())
        return fail(QStringLiteral("보고서 자료를 읽지 못했습니다.\r\r에러내용:\r%1").arg(built->query->lastError()));
    built->query->close();

    auto r = std::make_unique<report::Report>();
    m_title = def.value(QLatin1String("title")).toString();
    r->setDocumentName(m_title);
    if (def.value(QLatin1String("orientation")).toString() == QLatin1String("landscape"))
        r->setOrientation(QPageLayout::Landscape);
    const double width = r->printableWidth();
    double given = 0;
    for (const auto &c : columns)
        given += c.toObject().value(QLatin1String("width")).toDouble();
    const double scale = given > 0 ? width / given : 0;

    QString subtitle = def.value(QLatin1String("subtitle")).toString();
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        subtitle.replace('{' + it.key() + '}', it.value());
    auto &title = r->band(report::Band::Title).setHeight(subtitle.isEmpty() ? 14 : 20);
    title.addLabel({0, 0, width, 10}, m_title, 14).align(Qt::AlignCenter).setBold();
    if (!subtitle.isEmpty())
        title.addLabel({0, 12, width, 6}, subtitle, 9);
    auto &header = r->band(report::Band::ColumnHeader).setHeight(7);
    auto &detail = r->band(report::Band::Detail).setHeight(6);
    auto &summary = r->band(report::Band::Summary);
    const QString totalCaption = def.value(QLatin1String("totalCaption")).toString(QStringLiteral("합    계"));
    double x = 0;
    bool anyTotal = false;
    for (int i = 0; i < columns.size(); ++i) {
        const QJsonObject c = columns[i].toObject();
        const double w = scale > 0 ? c.value(QLatin1String("width")).toDouble() * scale : width / columns.size();
        const QString field = c.value(QLatin1String("field")).toString();
        const Qt::Alignment align = alignmentOf(c.value(QLatin1String("align")).toString());
        header.addLabel({x, 0, w, 7}, c.value(QLatin1String("title")).toString(field), 9)
            .align(Qt::AlignCenter).setBold().framed().fill(QColor(230, 230, 230));
        if (c.value(QLatin1String("total")).toBool()) {
            anyTotal = true;
            built->source.fields << field;
            detail.addComputed({x, 0, w, 6}, [field](const report::Report &rep) {
                bool ok = false;
                const double v = rep.value(field).toDouble(&ok);
                return ok ? grouped(v) : rep.value(field);
            }, 9).align(align).framed();
            SummingSource *src = &built->source;
            summary.addComputed({x, 0, w, 7}, [src, field](const report::Report &) { return grouped(src->sums.value(field)); }, 9)
                .align(align).setBold().framed();
        } else {
            detail.addField({x, 0, w, 6}, field, 9).align(align).framed();
            summary.addLabel({x, 0, w, 7}, i == 0 ? totalCaption : QString(), 9).align(Qt::AlignCenter).setBold().framed();
        }
        x += w;
    }
    summary.setHeight(anyTotal ? 7 : 0);
    r->band(report::Band::PageFooter).setHeight(8).addComputed({width - 40, 1, 40, 6},
        [](const report::Report &rep) { return rep.pageText(); }, 8).align(Qt::AlignRight | Qt::AlignVCenter);
    built->source.query = built->query.get();
    r->setDataSource(&built->source);

    m_preview->setReport(nullptr);
    m_report = std::move(r);
    m_built = std::move(built);
    if (!m_report->prepare())
        return fail(QStringLiteral("보고서 자료를 읽지 못했습니다.\r\r에러내용:\r%1").arg(m_built->query->lastError()));
    m_preview->setReport(m_report.get());
    m_stack->setCurrentWidget(m_preview);
    applyZoom();
    return true;
}

TReportViewer *ShowViewerInPlaceOfGrid(TfrmEZS000 *screen)
{
    auto *viewer = new TReportViewer(screen->splSplitter);
    viewer->setObjectName(QStringLiteral("viewer"));
    screen->splSplitter->insertWidget(0, viewer);
    screen->splSplitter->setStretchFactor(0, 1);
    screen->panGrid->hide();
    for (QWidget *b : {static_cast<QWidget *>(screen->bbtPrint), static_cast<QWidget *>(screen->bbtPreview),
                       static_cast<QWidget *>(screen->bbtExcel), static_cast<QWidget *>(screen->bbtCancel)})
        b->hide();
    return viewer;
}
