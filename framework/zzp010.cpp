#include "zzp010.h"
#include "database/datamodule.h"
#include "core/messages.h"
#include <QPainter>
#include <QProgressDialog>
#include <QWidget>

TfrmZZP010::TfrmZZP010(QObject *parent)
    : QObject(parent),
      qryQuery(std::make_unique<db::Query>(DM()->dbsDB)),
      cdsQuery(qryQuery.get()),
      qrbHeader(qrpReport.band(report::Band::Title)),
      qrbFooter(qrpReport.band(report::Band::PageFooter))
{
    qrpReport.setOrientation(QPageLayout::Portrait);
    qrpReport.setDataSource(&cdsQuery);
}

TfrmZZP010::~TfrmZZP010() { close(); }

QString TfrmZZP010::programId() const
{
    if (objectName().startsWith("frm"))
        return objectName().mid(3);
    QString cls = QString::fromLatin1(metaObject()->className());
    return cls.startsWith("Tfrm") ? cls.mid(4) : cls;
}

void TfrmZZP010::setTitle(const QString &title) { m_title = title; }
QString TfrmZZP010::title() const { return m_title; }
void TfrmZZP010::setConditionLines(const QStringList &lines) { m_conditions = lines; }

void TfrmZZP010::close()
{
    if (qryQuery)
        qryQuery->close();
}

double TfrmZZP010::titleBandHeight() const { return 24 + 6.0 * conditionLineCount(); }

QImage TfrmZZP010::logo()
{
    // The resort's mark: a blue disc with a white summit.
    QImage img(120, 120, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 70, 150));
    p.setPen(Qt::NoPen);
    p.drawEllipse(4, 4, 112, 112);
    p.setBrush(Qt::white);
    const QPointF summit[3] = {{20, 88}, {60, 28}, {100, 88}};
    p.drawPolygon(summit, 3);
    return img;
}

void TfrmZZP010::design()
{
    using report::Element;
    const double width = qrpReport.printableWidth();
    qrpReport.setDocumentName(programId());
    qrpReport.setTitle(m_title);

    qrbHeader.setHeight(titleBandHeight());
    const double boxWidth = 110;
    const double boxLeft = (width - boxWidth) / 2;
    qrbHeader.addBox({boxLeft + 1.5, 3.5, boxWidth, 12}, QColor(128, 128, 128)).framed(false);   // shadow
    qrbHeader.addBox({boxLeft, 2, boxWidth, 12}, Qt::white).pen(0.4);
    qrbHeader.addComputed({boxLeft, 2, boxWidth, 12}, [this](const report::Report &) { return m_title; }, 14)
        .align(Qt::AlignCenter).setBold();
    for (int i = 0; i < conditionLineCount(); ++i)
        qrbHeader.addComputed({0, 20 + 6.0 * i, width, 6}, [this, i](const report::Report &) { return m_conditions.value(i); }, 10);

    qrbFooter.setHeight(14);
    qrbFooter.addLine({0, 1}, {width, 1}).pen(0.3);
    qrbFooter.addComputed({0, 3, 70, 8}, [](const report::Report &r) {
        return QStringLiteral("Date : ") + r.printedAt().toString("yyyy-MM-dd hh:mm:ss");
    }, 8);
    qrbFooter.addComputed({width / 2 - 20, 3, 40, 8}, [](const report::Report &r) { return r.pageText(); }, 9)
        .align(Qt::AlignCenter);
    const QString id = programId();
    qrbFooter.addLabel({width - 95, 3, 25, 8}, id, 8).align(Qt::AlignRight | Qt::AlignVCenter);
    qrbFooter.addPicture({width - 66, 3, 9, 9}, logo());
    qrbFooter.addLabel({width - 55, 2.5, 55, 5}, QStringLiteral("할린리조트"), 9).setBold();
    qrbFooter.addLabel({width - 55, 7, 55, 5}, QStringLiteral("HALLIN RESORT"), 7);
}

void TfrmZZP010::ensureDesigned()
{
    if (m_designed)
        return;
    m_designed = true;
    design();
}

namespace {
// A progress window for long output, kept painted while the pages are drawn.
struct Progress {
    Progress(report::Report &r, QWidget *parent) : report(r)
    {
        if (!parent || !parent->isVisible())
            return;
        dialog = std::make_unique<QProgressDialog>(QStringLiteral("출력하고 있습니다."), QStringLiteral("취소"), 0, 1, parent);
        dialog->setWindowModality(Qt::WindowModal);
        dialog->setMinimumDuration(500);
        report.progress = [this](int page, int count) {
            dialog->setMaximum(count);
            dialog->setValue(page);
            return !dialog->wasCanceled();
        };
    }
    ~Progress() { report.progress = nullptr; }
    report::Report &report;
    std::unique_ptr<QProgressDialog> dialog;
};
} // namespace

bool TfrmZZP010::print(QWidget *parent)
{
    ensureDesigned();
    Progress progress(qrpReport, parent);
    if (!qrpReport.prepare())
        throw db::DatabaseError(qryQuery->lastError());
    if (!report::Report::printerAvailable()) {
        ShowError(QStringLiteral("인쇄할 수 없습니다.\r이 컴퓨터에 기본 프린터가 지정되어 있지 않습니다."));
        return false;
    }
    if (qrpReport.print())
        return true;
    ShowError(QStringLiteral("인쇄할 수 없습니다.\r프린터에 보내지 못했습니다. 프린터의 상태를 확인하십시오."));
    return false;
}

void TfrmZZP010::preview(QWidget *parent)
{
    ensureDesigned();
    if (!qrpReport.prepare())
        throw db::DatabaseError(qryQuery->lastError());
    qrpReport.preview(parent);
}

bool TfrmZZP010::savePdf(const QString &path)
{
    ensureDesigned();
    return qrpReport.savePdf(path);
}
