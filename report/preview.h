#pragma once
// The preview of a report, one page at a time, with paging, zoom, printing and saving as PDF:
// TReportPreviewWidget, a widget a screen can hold, and TReportPreview, the modal window around it.
// The page shown is drawn once into an image (per page and zoom), so scrolling does not re-read the
// records.
//
// Keys while the preview has the focus: PgUp / PgDn the page before / after, Ctrl+Home / Ctrl+End
// the first / last page, + (or =, Ctrl++) and - (Ctrl+-) one zoom step in / out.
#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

class QLabel;
class QComboBox;
class QHBoxLayout;
class QScrollArea;
class QPushButton;

namespace report {

class Report;

class TReportPreviewWidget : public QWidget {
    Q_OBJECT
public:
    explicit TReportPreviewWidget(QWidget *parent = nullptr);
    explicit TReportPreviewWidget(Report *report, QWidget *parent = nullptr);

    // The report shown (not owned; it must outlive the widget or be replaced first). It is prepared
    // when it is not yet, and its first page shown; null shows nothing.
    void setReport(Report *report);
    Report *report() const { return m_report; }

    int currentPage() const { return m_page; }
    int pageCount() const;
    int zoom() const { return m_zoom; }
    QImage pageImage() const { return m_image; }
    QString pageCaption() const;          // "page / total" as the bar shows it
    QHBoxLayout *toolBar() const { return m_bar; }   // a holder may add its own buttons

    static const QList<int> &zoomSteps();   // the zoom box's entries in percent
    // The file dialog of "PDF 저장"; tests replace it (an empty answer cancels).
    using FileNameAsker = std::function<QString(QWidget *parent, const QString &proposed)>;
    static void setFileNameAsker(FileNameAsker asker);

public slots:
    void showPage(int page);
    void firstPage() { showPage(1); }
    void priorPage() { showPage(m_page - 1); }
    void nextPage() { showPage(m_page + 1); }
    void lastPage();
    void setZoom(int percent);            // 10 to 400; a value between the steps joins the box
    void zoomIn();
    void zoomOut();
    // Counts the pages again (the report's source has new rows) and keeps the page where it can.
    void reload();
    bool printReport();
    bool savePdf(const QString &path = QString());

signals:
    void pageChanged(int page, int count);   // page 0 of 0 when no report is shown
    void zoomChanged(int percent);

private:
    void redraw();
    void showZoom();
    void announcePage();
    Report *m_report = nullptr;
    int m_page = 1;
    int m_zoom = 100;
    QImage m_image;
    QHBoxLayout *m_bar;
    QLabel *m_pageLabel;
    QLabel *m_canvas;
    QComboBox *m_zoomBox;
    QScrollArea *m_scroll;
    QList<QPushButton *> m_reportButtons;   // enabled while there is a report
    QPoint m_announced{-1, -1};              // page and count of the last pageChanged
};

// The modal preview window: the widget and a close button.
class TReportPreview : public QDialog {
    Q_OBJECT
public:
    TReportPreview(Report &report, QWidget *parent = nullptr);
    TReportPreviewWidget *view() const { return m_view; }

    int currentPage() const { return m_view->currentPage(); }
    int pageCount() const { return m_view->pageCount(); }
    int zoom() const { return m_view->zoom(); }
    QImage pageImage() const { return m_view->pageImage(); }
    QString pageCaption() const { return m_view->pageCaption(); }

    using FileNameAsker = TReportPreviewWidget::FileNameAsker;
    static void setFileNameAsker(FileNameAsker asker) { TReportPreviewWidget::setFileNameAsker(std::move(asker)); }

public slots:
    void showPage(int page) { m_view->showPage(page); }
    void firstPage() { m_view->firstPage(); }
    void priorPage() { m_view->priorPage(); }
    void nextPage() { m_view->nextPage(); }
    void lastPage() { m_view->lastPage(); }
    void setZoom(int percent) { m_view->setZoom(percent); }
    bool printReport() { return m_view->printReport(); }
    bool savePdf(const QString &path = QString()) { return m_view->savePdf(path); }

private:
    TReportPreviewWidget *m_view;
};

} // namespace report
