#pragma once
// The preview window of a report: one page at a time, paging, zoom, printing and saving as PDF.
// The page shown is drawn once into an image (per page and zoom), so scrolling does not re-read
// the records.
#include <QDialog>
#include <QImage>
#include <functional>

class QLabel;
class QComboBox;
class QScrollArea;
class QPushButton;

namespace report {

class Report;

class TReportPreview : public QDialog {
    Q_OBJECT
public:
    TReportPreview(Report &report, QWidget *parent = nullptr);

    int currentPage() const { return m_page; }
    int pageCount() const;
    int zoom() const { return m_zoom; }
    QImage pageImage() const { return m_image; }
    QString pageCaption() const;          // "page / total" as the bar shows it

    // The file dialog of "PDF 저장"; tests replace it (an empty answer cancels).
    using FileNameAsker = std::function<QString(QWidget *parent, const QString &proposed)>;
    static void setFileNameAsker(FileNameAsker asker);

public slots:
    void showPage(int page);
    void firstPage() { showPage(1); }
    void priorPage() { showPage(m_page - 1); }
    void nextPage() { showPage(m_page + 1); }
    void lastPage();
    void setZoom(int percent);
    bool printReport();
    bool savePdf(const QString &path = QString());

private:
    void redraw();
    Report &m_report;
    int m_page = 1;
    int m_zoom = 100;
    QImage m_image;
    QLabel *m_pageLabel;
    QLabel *m_canvas;
    QComboBox *m_zoomBox;
    QScrollArea *m_scroll;
};

} // namespace report
