#include "accidentreports.h"
#include "framework/reportviewer.h"
#include "widgets/inputs.h"
#include <QItemSelectionModel>
#include <QSplitter>

namespace {

const char *const kReports[] = {
    "01.전년대비부상자전체현황.mrd", "02.시간대별부상자현황.mrd", "03.부상자의성별현황.mrd",
    "04.부상자의연령별현황.mrd", "05.부상자의지역별현황.mrd", "06.부상자의부상부위별현황.mrd",
    "07.부상자의부상종류별현황.mrd", "08.슬로프별부상자현황.mrd", "09.부상자중스키학교강습여부현황.mrd",
    "10.부상자의사고요지현황.mrd", "11.스키경력별부상자현황.mrd", "12.앰블런스후송현황.mrd",
    "13.패트롤후송현황.mrd", "14.부상종류별부상부위현황.mrd"};

} // namespace

QString TfrmAccidentReports::reportFile(const QString &number)
{
    bool ok = false;
    const int n = number.toInt(&ok);
    if (!ok || number.size() != 2 || n < 1 || n > 14)
        return QString();
    return QString::fromUtf8(kReports[n - 1]);
}

TfrmAccidentReports::TfrmAccidentReports(const QString &programId, const QString &caption, bool firstOnly, bool local,
                                         QWidget *parent)
    : TfrmEZS000(parent), m_firstOnly(firstOnly), m_local(local)
{
    setObjectName("frm" + programId);
    setWindowTitle(caption);
    dtpFromDate = addDateEdit("dtpFromDate", QStringLiteral("검색기간 : FROM"));
    dtpToDate = addDateEdit("dtpToDate", QStringLiteral("TO"));
    rgrGrid->addColumn("DETAIL", QStringLiteral("NO"), 40, Qt::AlignCenter);
    rgrGrid->addColumn("DETAIL_NAME", QStringLiteral("PROJECT"), 200);
    rgrGrid->applyColumns();
    viewer = new TReportViewer(splSplitter);
    viewer->setObjectName("viewer");
    splSplitter->insertWidget(1, viewer);
    splSplitter->setStretchFactor(0, 0);
    splSplitter->setStretchFactor(1, 1);
    splSplitter->setSizes({280, 900});
    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();
    connect(rgrGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showCurrentReport(); });
    if (m_firstOnly) {
        // The shown report follows the period: a changed date opens it again.
        for (TDateEdit *d : {dtpFromDate, dtpToDate})
            connect(d, &QDateEdit::dateChanged, this, [this] {
                if (!viewer->openedLocation().isEmpty())
                    showCurrentReport();
            });
    }
}

void TfrmAccidentReports::search()
{
    qryQuery->setSql(QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'E0054'"));
    TfrmEZS000::search();
}

void TfrmAccidentReports::showCurrentReport()
{
    const int row = rgrGrid->currentRow();
    if (row < 0)
        return;
    const QString number = cdsQuery->text(row, "DETAIL");
    const QString file = m_firstOnly && number != QLatin1String("01") ? QString() : reportFile(number);
    if (file.isEmpty())
        return;
    viewer->setAutoAdjust(0);
    viewer->setZoomRatio(90);
    viewer->Open(m_local ? TReportViewer::localLocation(file) : TReportViewer::location(file),
                 ReportParams({dtpFromDate->dateText(), dtpToDate->dateText()}));
}
