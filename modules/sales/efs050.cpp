#include "efs050.h"
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

TfrmEFS050::TfrmEFS050(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS050");
    setWindowTitle(QStringLiteral("곤도라 발권 및 게이트 통과 현황"));
    addPeriod(QStringLiteral("영업일자 :"));
    dtpToDate->hide();
    if (QWidget *label = panSearch->findChild<QWidget *>("lblToDate"))
        label->hide();
    addViewer();
}

void TfrmEFS050::search()
{
    // The chosen day is both ends of the period: the hidden second date would otherwise stay at
    // the day the screen was opened and report a period the clerk never chose.
    openReport(QStringLiteral("곤도라발권및Gate통과현황.mrd"), {FFromDate, FFromDate});
}
