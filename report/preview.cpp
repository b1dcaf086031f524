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
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace report {

namespace {
TReportPreviewWidget::FileNameAsker &asker()
{
    static TReportPreviewWidget::FileNameAsker a;
    return a;
}
} // namespace

void TReportPreviewWidget::setFileNameAsker(FileNameAsker a) { asker() = std::move(a); }

const QList<int> &TReportPreviewWidget::zoomSteps()
{
    static const QList<int> steps{50, 75, 100, 125, 150, 200};
    return steps;
}

TReportPreviewWidget::TReportPreviewWidget(QWidget *parent) : TReportPreviewWidget(nullptr, parent) {}

TReportPreviewWidget::TReportPreviewWidget(Report *report, QWidget *parent) : QWidget(parent)
{
    setObjectName("fraPreview");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bar = new QHBoxLayout;
    auto button = [&](const char *name, const QString &caption, auto slot) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        m_bar->addWidget(b);
        m_reportButtons << b;
        return b;
    };
    button("btnFirst", QStringLiteral("처음"), &TReportPreviewWidget::firstPage);
    button("btnPrior", QStringLiteral("이전"), &TReportPreviewWidget::priorPage);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName("lblPage");
    m_bar->addWidget(m_pageLabel);
    button("btnNext", QStringLiteral("다음"), &TReportPreviewWidget::nextPage);
    button("btnLast", QStringLiteral("마지막"), &TReportPreviewWidget::lastPage);
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName("cboZoom");
    for (int z : zoomSteps())
        m_zoomBox->addItem(QStringLiteral("%1%").arg(z), z);
    m_zoomBox->setCurrentIndex(m_zoomBox->findData(m_zoom));
    connect(m_zoomBox, &QComboBox::activated, this, [this](int i) { setZoom(m_zoomBox->itemData(i).toInt()); });
    m_bar->addWidget(m_zoomBox);
    button("btnPrint", QStringLiteral("인쇄"), [this] { printReport(); });
    button("btnPdf", QStringLiteral("PDF 저장"), [this] { savePdf(); });
    m_bar->addStretch(1);
    layout->addLayout(m_bar);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName("scrPage");
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_canvas = new QLabel;
    m_canvas->setObjectName("imgPage");
    m_scroll->setWidget(m_canvas);
    layout->addWidget(m_scroll, 1);
    setFocusProxy(m_scroll);

    // The keys work wherever the focus is inside the preview, ahead of the page's scrolling.
    auto key = [this](const QKeySequence &sequence, void (TReportPreviewWidget::*slot)()) {
        auto *s = new QShortcut(sequence, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::Key_PageUp), &TReportPreviewWidget::priorPage);
    key(QKeySequence(Qt::Key_PageDown), &TReportPreviewWidget::nextPage);
    key(QKeySequence(Qt::CTRL | Qt::Key_Home), &TReportPreviewWidget::firstPage);
    key(QKeySequence(Qt::CTRL | Qt::Key_End), &TReportPreviewWidget::lastPage);
    // (a key of the number pad finds the same shortcut: Qt retries without the keypad modifier)
    for (const QKeySequence &in :
         {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal), QKeySequence(QKeySequence::ZoomIn)})
        key(in, &TReportPreviewWidget::zoomIn);
    for (const QKeySequence &out : {QKeySequence(Qt::Key_Minus), QKeySequence(QKeySequence::ZoomOut)})
        key(out, &TReportPreviewWidget::zoomOut);

    setReport(report);
}

void TReportPreviewWidget::setReport(Report *report)
{
    m_report = report;
    m_page = 1;
    if (m_report && !m_report->isPrepared())
        m_report->prepare();
    redraw();
}

int TReportPreviewWidget::pageCount() const { return m_report ? m_report->pageCount() : 0; }

QString TReportPreviewWidget::pageCaption() const
{
    return m_report ? QStringLiteral("%1 / %2").arg(m_page).arg(pageCount()) : QString();
}

void TReportPreviewWidget::showPage(int page)
{
    if (!m_report)
        return;
    page = qBound(1, page, qMax(1, pageCount()));
    if (page == m_page && !m_image.isNull())
        return;
    m_page = page;
    redraw();
    m_scroll->verticalScrollBar()->setValue(0);
}

void TReportPreviewWidget::lastPage() { showPage(pageCount()); }

void TReportPreviewWidget::setZoom(int percent)
{
    percent = qBound(10, percent, 400);
    const bool changed = percent != m_zoom;
    m_zoom = percent;
    showZoom();
    if (m_report)
        redraw();
    if (changed)
        emit zoomChanged(m_zoom);
}

void TReportPreviewWidget::zoomIn()
{
    for (int z : zoomSteps())
        if (z > m_zoom)
            return setZoom(z);
}

void TReportPreviewWidget::zoomOut()
{
    const QList<int> &steps = zoomSteps();
    for (auto it = steps.rbegin(); it != steps.rend(); ++it)
        if (*it < m_zoom)
            return setZoom(*it);
}

// The zoom box shows the zoom, taking in a value that is not one of its steps at its place.
void TReportPreviewWidget::showZoom()
{
    int i = m_zoomBox->findData(m_zoom);
    if (i < 0) {
        i = 0;
        while (i < m_zoomBox->count() && m_zoomBox->itemData(i).toInt() < m_zoom)
            ++i;
        m_zoomBox->insertItem(i, QStringLiteral("%1%").arg(m_zoom), m_zoom);
    }
    m_zoomBox->setCurrentIndex(i);
}

void TReportPreviewWidget::reload()
{
    if (!m_report)
        return;
    m_report->prepare();
    m_page = qBound(1, m_page, qMax(1, pageCount()));
    redraw();
}

void TReportPreviewWidget::redraw()
{
    for (QPushButton *b : std::as_const(m_reportButtons))
        b->setEnabled(m_report != nullptr);
    m_zoomBox->setEnabled(m_report != nullptr);
    if (!m_report) {
        m_image = QImage();
        m_canvas->clear();
        m_canvas->resize(0, 0);
        m_pageLabel->clear();
        announcePage();
        return;
    }
    const QSizeF mm = m_report->pageSizeMm();
    const double pxPerMm = logicalDpiX() / 25.4 * m_zoom / 100.0;
    QSize size(qRound(mm.width() * pxPerMm), qRound(mm.height() * pxPerMm));
    m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(Qt::white);
    QPainter p(&m_image);
    m_report->render(&p, QSizeF(size), m_page, m_page);
    p.end();
    m_canvas->setPixmap(QPixmap::fromImage(m_image));
    m_canvas->resize(size);
    m_pageLabel->setText(pageCaption());
    announcePage();
}

void TReportPreviewWidget::announcePage()
{
    const QPoint shown(m_report ? m_page : 0, pageCount());
    if (shown == m_announced)
        return;
    m_announced = shown;
    emit pageChanged(shown.x(), shown.y());
}

bool TReportPreviewWidget::printReport()
{
    if (!m_report)
        return false;
    if (m_report->print())
        return true;
    ShowError(QStringLiteral("인쇄할 수 없습니다."));
    return false;
}

bool TReportPreviewWidget::savePdf(const QString &path)
{
    if (!m_report)
        return false;
    QString file = path;
    if (file.isEmpty()) {
        const QString proposed = (m_report->documentName().isEmpty() ? QStringLiteral("report")
                                                                      : m_report->documentName()) + ".pdf";
        file = asker() ? asker()(this, proposed)
                       : QFileDialog::getSaveFileName(this, QStringLiteral("PDF 저장"), proposed,
                                                      QStringLiteral("PDF 파일 (*.pdf)"));
        if (file.isEmpty())
            return false;
    }
    if (m_report->savePdf(file))
        return true;
    ShowError(QStringLiteral("PDF 파일로 저장할 수 없습니다."));
    return false;
}

// ---------------------------------------------------------------------------------------------------
TReportPreview::TReportPreview(Report &report, QWidget *parent) : QDialog(parent)
{
    setObjectName("frmPreview");
    setWindowTitle(!report.title().isEmpty()          ? report.title()
                   : !report.documentName().isEmpty() ? report.documentName()
                                                      : QStringLiteral("미리보기"));
    resize(900, 800);
    auto *layout = new QVBoxLayout(this);
    m_view = new TReportPreviewWidget(&report, this);
    auto *close = new QPushButton(QStringLiteral("닫기"), m_view);
    close->setObjectName("btnClose");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_view->toolBar()->addWidget(close);
    layout->addWidget(m_view);
    m_view->setFocus();
}

} // namespace report
