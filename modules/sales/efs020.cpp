#include "efs020.h"
#include "core/messages.h"
#include "database/datamodule.h"
#include "framework/dialogs/lookupdialogs.h"
#include "framework/reportviewer.h"
#include "framework/fieldlookups.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sales;

namespace {
const char *const kClasses[][3] = {{"M", "회        원", "'00'"}, {"D", "일일스키", "'42'"}, {"G", "판촉단체", "'41'"}};
}

TfrmEFS020::TfrmEFS020(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS020");
    setWindowTitle(QStringLiteral("고객구분별 매출 현황"));
    bbtPrint->hide();     // the grid is its only output
    bbtPreview->hide();
    addUpjang(QString());
    addPeriod();
    rgrGrid->addColumn("SALE_DATE", QStringLiteral("매출일자"), 80, Qt::AlignCenter);
    rgrGrid->addColumn("DAESO_NAME", QStringLiteral("대소구분"), 70, Qt::AlignCenter);
    for (const auto &c : kClasses)
        addPair(rgrGrid, c[0], QString::fromUtf8(c[1]));
    addPair(rgrGrid, "N", QStringLiteral("일        반"));
    addPair(rgrGrid, "T", QStringLiteral("합        계"));
    rgrGrid->applyColumns();
}

void TfrmEFS020::search()
{
    QHash<QString, QVariant> binds;
    const QString lines = saleLines(&binds, true);
    QStringList columns;
    for (const auto &c : kClasses)
        columns << sums(QStringLiteral("SUBSTR(X.ACCEPT_MEMBER_NO, 1, 2) = %1").arg(QLatin1String(c[2])), c[0]);
    columns << sums(QStringLiteral("NVL(SUBSTR(X.ACCEPT_MEMBER_NO, 1, 2), '--') NOT IN ('00', '42', '41')"), "N")
            << sums(QStringLiteral("1 = 1"), "T");
    const QString pivot = columns.join(", ");
    const QString names = QStringList{grouped("M"), grouped("D"), grouped("G"), grouped("N"), grouped("T")}.join(", ");
    // ROLLUP(SALE_DATE, DAESO_CODE) written out, so both back ends run it: the class rows of a day,
    // the day's total after them and the grand total at the end.
    runSummary(QStringLiteral(
                   "SELECT SALE_DATE, DAESO_NAME, %1 FROM ("
                   "SELECT X.SALE_DATE AS SORT_DATE, 0 AS SORT_KIND, NVL(X.DAESO, 'Z') AS SORT_DAESO, %4, "
                   "CASE NVL(X.DAESO, 'Z') WHEN '1' THEN '대    인' WHEN '2' THEN '소    인' ELSE '구분없슴' END AS DAESO_NAME, %2 "
                   "FROM (%3) X GROUP BY X.SALE_DATE, NVL(X.DAESO, 'Z') "
                   "UNION ALL SELECT X.SALE_DATE, 1, '', %5, '일    계', %2 FROM (%3) X GROUP BY X.SALE_DATE "
                   "UNION ALL SELECT '99999999', 2, '', '총    계', '', %2 FROM (%3) X) Y "
                   "ORDER BY SORT_DATE, SORT_KIND, SORT_DAESO")
                   .arg(names, pivot, lines, dashedDate("X.SALE_DATE", "SALE_DATE"), dashedDate("X.SALE_DATE")),
               binds);
}
