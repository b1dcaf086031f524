#include "efs010.h"
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

struct Efs010Column {
    const char *name;
    const char *caption;
    const char *when;
    bool hidden;
};

// The rental registers of the two shops: first digit 0, 1, 2 or 4 and 5, 6 or 7.
const Efs010Column kEfs010[] = {
    {"S1", "소벨카빙셋트", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '01' AND SUBSTR(X.POS_NO, 1, 1) IN ('0', '1', '2', '4')", false},
    {"S2", "소벨일반렌탈", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '02' AND SUBSTR(X.POS_NO, 1, 1) IN ('0', '1', '2', '4')", false},
    {"S3", "소벨보드셋트", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '03' AND SUBSTR(X.POS_NO, 1, 1) IN ('0', '1', '2', '4')", false},
    {"S4", "소벨블레이드", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '04' AND SUBSTR(X.POS_NO, 1, 1) IN ('0', '1', '2', '4')", true},
    {"P1", "파론카빙셋트", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '01' AND SUBSTR(X.POS_NO, 1, 1) IN ('5', '6', '7')", false},
    {"P2", "파론일반렌탈", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '02' AND SUBSTR(X.POS_NO, 1, 1) IN ('5', '6', '7')", false},
    {"P3", "파론보드셋트", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '03' AND SUBSTR(X.POS_NO, 1, 1) IN ('5', '6', '7')", false},
    {"P4", "파론블레이드", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '04' AND SUBSTR(X.POS_NO, 1, 1) IN ('5', '6', '7')", true},
    {"C1", "소벨의류렌탈", "X.UPJANG_CODE = '5061' AND SUBSTR(X.POS_NO, 2, 1) = '1'", false},
    {"C2", "파론의류렌탈", "X.UPJANG_CODE = '5061' AND SUBSTR(X.POS_NO, 2, 1) = '2'", false},
    {"R1", "스 키 수 리", "X.UPJANG_CODE = '5007' AND X.TYPE_CODE = '01'", false},
    {"R2", "스 키 보 관", "X.UPJANG_CODE = '5007' AND X.TYPE_CODE = '02'", false},
    {"R3", "스 키 파 손", "X.UPJANG_CODE = '5007' AND X.TYPE_CODE = '03'", false},
    {"K1", "유  아  방", "X.UPJANG_CODE = '5005' AND X.TYPE_CODE = '01'", false},
    {"K2", "코 인 락 카", "X.UPJANG_CODE = '5005' AND X.TYPE_CODE = '02'", false},
    {"TT", "총      계", "1 = 1", false},
};

} // namespace

TfrmEFS010::TfrmEFS010(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS010");
    setWindowTitle(QStringLiteral("렌탈/보관 매출 현황"));
    addPeriod();
    bbtPrint->hide();
    bbtPreview->hide();
    rgrGrid->addColumn("SALE_DATE", QStringLiteral("매출일자"), 80, Qt::AlignCenter);
    for (const Efs010Column &c : kEfs010)
        addPair(rgrGrid, c.name, QString::fromUtf8(c.caption), c.hidden);
    rgrGrid->applyColumns();
}

void TfrmEFS010::search()
{
    QHash<QString, QVariant> binds{{"FROM_DATE", FFromDate}, {"TO_DATE", FToDate}};
    // Each line typed by the item of its menu (every item part matching) and that item's type.
    const QString lines = QStringLiteral(
        "SELECT I.SALE_DATE, I.UPJANG_CODE, I.POS_NO, I.SALE_QTY, I.SALE_AMT, T.TYPE_CODE "
        "FROM IA010MS I "
        "LEFT JOIN JB010MS M ON M.UPJANG_CODE = I.UPJANG_CODE AND M.MENU_CODE = I.MENU_CODE AND M.MENU_CODE <> '00000000' "
        " AND M.MENU_ITEM1 = I.MENU_ITEM1 AND M.MENU_ITEM2 = I.MENU_ITEM2 AND M.MENU_ITEM3 = I.MENU_ITEM3 "
        " AND M.MENU_ITEM4 = I.MENU_ITEM4 AND M.MENU_ITEM5 = I.MENU_ITEM5 "
        "LEFT JOIN JB020MS T ON T.UPJANG_CODE = M.UPJANG_CODE AND T.TYPE_CODE = M.TYPE_CODE_1 "
        "WHERE I.SALE_DATE BETWEEN :FROM_DATE AND :TO_DATE AND I.UPJANG_CODE IN ('5003', '5005', '5007', '5061')");
    QStringList columns;
    for (const Efs010Column &c : kEfs010)
        columns << sums(QString::fromUtf8(c.when), c.name);
    const QString pivot = columns.join(", ");
    runSummary(QStringLiteral("SELECT SALE_DATE, %1 FROM (SELECT 0 AS SORT_KIND, %4, %2 FROM (%3) X "
                              "GROUP BY X.SALE_DATE "
                              "UNION ALL SELECT 1, '총    계', %2 FROM (%3) X) Y ORDER BY SORT_KIND, SALE_DATE")
                   .arg([] {
                       QStringList names;
                       for (const Efs010Column &c : kEfs010)
                           names << grouped(QString::fromLatin1(c.name));
                       return names.join(", ");
                   }(), pivot, lines, dashedDate("X.SALE_DATE", "SALE_DATE")),
               binds);
}
