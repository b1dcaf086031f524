#include "efs040.h"
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

TfrmEFS040::TfrmEFS040(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS040");
    setWindowTitle(QStringLiteral("메뉴/POS별 매출 조회"));
    addUpjang(QStringLiteral("5001"));
    addPeriod();
    bbtMenu = new QPushButton(QStringLiteral("메뉴별 매출조회"), panSearch);
    bbtMenu->setObjectName("bbtMenu");
    bbtPos = new QPushButton(QStringLiteral("POS별 매출조회"), panSearch);
    bbtPos->setObjectName("bbtPos");
    addBeside(dtpToDate, bbtMenu);
    addBeside(dtpToDate, bbtPos);
    connect(bbtMenu, &QPushButton::clicked, this, [this] {
        TfrmEFR040::instance()->showReport({edt_Upjang_No->text().trimmed(), FFromDate, FToDate});
    });
    connect(bbtPos, &QPushButton::clicked, this, [this] {
        TfrmEFR041::instance()->showReport({edt_Upjang_No->text().trimmed(), FFromDate, FToDate});
    });
    for (QWidget *b : {static_cast<QWidget *>(bbtSearch), static_cast<QWidget *>(bbtPrint),
                       static_cast<QWidget *>(bbtPreview), static_cast<QWidget *>(bbtExcel), static_cast<QWidget *>(bbtCancel)})
        b->hide();
}
