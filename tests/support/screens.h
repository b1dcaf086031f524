#pragma once
// Screens as a test meets them: opened as the menu opens them, and what their preview prints.
#include "framework/screenregistry.h"
#include "framework/zzs010.h"
#include "report/preview.h"
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <memory>

namespace testing {

// The registered screen of the program ID, shown at the size and active, or nullptr.
template <class T> std::unique_ptr<T> openScreen(const QString &id, const QSize &size = QSize(1000, 700))
{
    std::unique_ptr<T> s(qobject_cast<T *>(ScreenRegistry::instance().create(id)));
    if (s) {
        s->resize(size);
        s->show();
        if (!QTest::qWaitForWindowActive(s.get()))
            qWarning("screen not active");
    }
    return s;
}

// The text of a PDF file as pdftotext lays it out.
inline QString pdfText(const QString &path)
{
    QProcess p;
    p.start("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// What the preview of a list screen's last search shows, saved as the PDF at pdfPath; "no preview"
// when none opened. *pages: the number of pages it showed.
inline QString previewText(TfrmZZS010 &screen, const QString &pdfPath, int *pages = nullptr)
{
    bool previewed = false;
    QTimer::singleShot(0, [&] {
        if (auto *w = qobject_cast<report::TReportPreview *>(QApplication::activeModalWidget())) {
            if (pages)
                *pages = w->pageCount();
            previewed = w->savePdf(pdfPath);
            w->accept();
        }
    });
    screen.bbtPreviewClick();
    return previewed ? pdfText(pdfPath) : QStringLiteral("no preview");
}

} // namespace testing
