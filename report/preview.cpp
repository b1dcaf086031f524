#include "preview.h"
#include "report.h"
#include "core/messages.h"
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace report {

namespace {
TReportPreview::FileNameAsker &asker()
{
    static TReportPreview::FileNameAsker a;
    return a;
}
} // namespace

void TReportPreview::setFileNameAsker(FileNameAsker a) { asker() = std::move(a); }

TReportPreview::TReportPreview(Report &report, QWidget *parent) : QDialog(parent), m_report(report)
{
    setObjectName("frmPreview");
    setWindowTitle(report.documentName().isEmpty() ? QStringLiteral("미리보기") : report.documentName());
    resize(900, 800);
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    auto button = [&](const char *name, const QString &caption, auto slot) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        bar->addWidget(b);
        return b;
    };
    button("btnFirst", QStringLiteral("처음"), &TReportPreview::firstPage);
    button("btnPrior", QStringLiteral("이전"), &TReportPreview::priorPage);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName("lblPage");
    bar->addWidget(m_pageLabel);
    button("btnNext", QStringLiteral("다음"), &TReportPreview::nextPage);
    button("btnLast", QStringLiteral("마지막"), &TReportPreview::lastPage);
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName("cboZoom");
    for (int z : {50, 75, 100, 125, 150, 200})
        m_zoomBox->addItem(QStringLiteral("%1%").arg(z), z);
    m_zoomBox->setCurrentIndex(2);
    connect(m_zoomBox, &QComboBox::activated, this, [this](int i) { setZoom(m_zoomBox->itemData(i).toInt()); });
    bar->addWidget(m_zoomBox);
    button("btnPrint", QStringLiteral("인쇄"), [this] { printReport(); });
    button("btnPdf", QStringLiteral("PDF 저장"), [this] { savePdf(); });
    bar->addStretch(1);
    button("btnClose", QStringLiteral("닫기"), &QDialog::accept);
    layout->addLayout(bar);
    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_canvas = new QLabel;
    m_canvas->setObjectName("imgPage");
    m_scroll->setWidget(m_canvas);
    layout->addWidget(m_scroll, 1);
    if (!m_report.isPrepared())
        m_report.prepare();
    redraw();
}

int TReportPreview::pageCount() const { return m_report.pageCount(); }

QString TReportPreview::pageCaption() const { return QStringLiteral("%1 / %2").arg(m_page).arg(pageCount()); }

void TReportPreview::showPage(int page)
{
    page = qBound(1, page, qMax(1, pageCount()));
    if (page == m_page && !m_image.isNull())
        return;
    m_page = page;
    redraw();
}

void TReportPreview::lastPage() { showPage(pageCount()); }

void TReportPreview::setZoom(int percent)
{
    m_zoom = qBound(10, percent, 400);
    int i = m_zoomBox->findData(m_zoom);
    if (i >= 0)
        m_zoomBox->setCurrentIndex(i);
    redraw();
}

void TReportPreview::redraw()
{
    const QSizeF mm = m_report.pageSizeMm();
    const double pxPerMm = logicalDpiX() / 25.4 * m_zoom / 100.0;
    QSize size(qRound(mm.width() * pxPerMm), qRound(mm.height() * pxPerMm));
    m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(Qt::white);
    QPainter p(&m_image);
    m_report.render(&p, QSizeF(size), m_page, m_page);
    p.end();
    m_canvas->setPixmap(QPixmap::fromImage(m_image));
    m_canvas->resize(size);
    m_pageLabel->setText(pageCaption());
}

bool TReportPreview::printReport()
{
    if (m_report.print())
        return true;
    ShowError(QStringLiteral("인쇄할 수 없습니다."));
    return false;
}

bool TReportPreview::savePdf(const QString &path)
{
    QString file = path;
    if (file.isEmpty()) {
        const QString proposed = (m_report.documentName().isEmpty() ? QStringLiteral("report")
                                                                     : m_report.documentName()) + ".pdf";
        file = asker() ? asker()(this, proposed)
                       : QFileDialog::getSaveFileName(this, QStringLiteral("PDF 저장"), proposed,
                                                      QStringLiteral("PDF 파일 (*.pdf)"));
        if (file.isEmpty())
            return false;
    }
    if (m_report.savePdf(file))
        return true;
    ShowError(QStringLiteral("PDF 파일로 저장할 수 없습니다."));
    return false;
}

} // namespace report
