#pragma once
// TReportViewer: the report viewer a screen holds. It takes a report definition file and the
// "/rp [..] [..]" parameter string, runs the definition's statement on the program's connection with
// the values bound to the definition's parameters (never pasted into the SQL text) and shows the pages
// in the embedded preview (paging, zoom, print, PDF). Definitions are JSON files (docs/report-definitions.md)
// in the report folder of the settings: a local folder or an http(s):// base address.
//
//   viewer->setAutoAdjust(0);
//   viewer->setZoomRatio(90);
//   viewer->Open(TReportViewer::location("시즌락카판매집계.mrd"), ReportParams({from, to}));
//
// A report that cannot be opened shows why in the viewer, in place of the pages.
#include <QStringList>
#include <QWidget>
#include <memory>

class QLabel;
class QStackedWidget;
class TfrmEZS000;
namespace report {
class Report;
class TReportPreviewWidget;
}

// "/rp [v1] [v2] ...". A "[", "]" or "\" inside a value is written with a backslash before it, so a
// value can never end the bracket early; ordinary values are written as they are.
QString ReportParams(const QStringList &values);
// The values of a parameter string (the escapes undone); an empty list for anything else.
QStringList ParseReportParams(const QString &text);

class TReportViewer : public QWidget {
    Q_OBJECT
public:
    explicit TReportViewer(QWidget *parent = nullptr);
    ~TReportViewer() override;

    short AutoAdjust() const { return m_autoAdjust; }
    // Both are applied by the next Open.
    void setAutoAdjust(short value);      // non-zero: the page width fits the viewer
    short ZoomRatio() const { return m_zoomRatio; }
    void setZoomRatio(short percent);

    // Opens the definition at location (a path or an http(s):// address) with the parameter string.
    bool Open(const QString &location, const QString &params);

    // The report folder of the settings followed by the file name, for a server: "<base>/<file>".
    static QString location(const QString &fileName);
    static QString localLocation(const QString &fileName);   // in the local report folder
    // How long a report server may take to answer (milliseconds); tests shorten it.
    static void setServerTimeout(int ms);

    report::TReportPreviewWidget *preview() const { return m_preview; }
    report::Report *report() const { return m_report.get(); }
    QString errorText() const { return m_error; }    // empty when the last open succeeded
    QString title() const { return m_title; }
    QString openedLocation() const { return m_location; }
    QStringList openedValues() const { return m_values; }

private:
    bool fail(const QString &message);
    bool readDefinition(const QString &location, QByteArray *data);
    void applyZoom();

    struct Built;
    std::unique_ptr<Built> m_built;
    std::unique_ptr<report::Report> m_report;
    report::TReportPreviewWidget *m_preview;
    QLabel *m_message;
    QStackedWidget *m_stack;
    short m_autoAdjust = 0;
    short m_zoomRatio = 100;
    QString m_error, m_title, m_location;
    QStringList m_values;
};

// A list screen whose result is a report: the viewer in place of the grid, and print, preview,
// spreadsheet and cancel hidden (the viewer prints).
TReportViewer *ShowViewerInPlaceOfGrid(TfrmEZS000 *screen);
