#include "efs030.h"
#include "salesviewer.h"
#include "efh030.h"
#include "efr040.h"
#include "efr041.h"
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

TfrmEFS030::TfrmEFS030(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS030");
    setWindowTitle(QStringLiteral("할인율 권종별 매출 현황"));
    addUpjang(QStringLiteral("5001"));
    addPeriod();
    rgrGrid->addColumn("SALE_DATE", QStringLiteral("매출일자"), 80, Qt::AlignCenter);
    rgrGrid->addColumn("DC_RATE", QStringLiteral("DC율"), 45, Qt::AlignRight);
    rgrGrid->addColumn("TICKET", QStringLiteral("권종"), 110);
    for (const auto &[name, caption] : {std::pair{"Z", "구분없슴"}, {"A", "대인"}, {"C", "소인"}, {"T", "합계"}}) {
        rgrGrid->addColumn(QString(name) + "_QTY", QStringLiteral("수량"), 55, Qt::AlignRight).group(QString::fromUtf8(caption));
        rgrGrid->addColumn(QString(name) + "_AMT", QStringLiteral("매출금액"), 80, Qt::AlignRight).group(QString::fromUtf8(caption));
    }
    rgrGrid->applyColumns();
}

void TfrmEFS030::search()
{
    QHash<QString, QVariant> binds;
    const QString lines = saleLines(&binds, false);
    runSummary(QStringLiteral("SELECT %6, Y.DC_RATE, Y.TICKET, %7 FROM ("
                              "SELECT X.SALE_DATE, X.DC_RATE, X.TICKET, %1, %2, %3, %4 FROM (%5) X "
                              "GROUP BY X.SALE_DATE, X.DC_RATE, X.TICKET) Y ORDER BY Y.SALE_DATE, Y.DC_RATE, Y.TICKET")
                   .arg(sums("X.DAESO = 'Z'", "Z"), sums("X.DAESO = '1'", "A"), sums("X.DAESO = '2'", "C"),
                        sums("1 = 1", "T"), lines, dashedDate("Y.SALE_DATE", "SALE_DATE"),
                        QStringList{grouped("Z", "Y."), grouped("A", "Y."), grouped("C", "Y."), grouped("T", "Y.")}.join(", ")),
               binds);
}

TfrmZZP010 *TfrmEFS030::createLayout()
{
    TfrmEFH030::instance()->showReport({FFromDate, FToDate, edt_Upjang_No->text().trimmed()});
    return nullptr;
}
