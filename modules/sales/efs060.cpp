#include "efs060.h"
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

TfrmEFS060::TfrmEFS060(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS060");
    setWindowTitle(QStringLiteral("영업장 매출 집계"));
    addUpjang(QString());
    addPeriod();
    newConditionRow();
    auto *modes = new QWidget(panSearch);
    modes->setObjectName("panMode");
    auto *row = new QHBoxLayout(modes);
    row->setContentsMargins(0, 0, 0, 0);
    rdoDetail = new QRadioButton(QStringLiteral("상세집계"), modes);
    rdoTicket = new QRadioButton(QStringLiteral("권종별집계"), modes);
    rdoCustomer = new QRadioButton(QStringLiteral("고객구분별집계"), modes);
    chkVat = new QCheckBox(QStringLiteral("부가세별도"), modes);
    rdoDetail->setChecked(true);
    for (QWidget *w : {static_cast<QWidget *>(rdoDetail), static_cast<QWidget *>(rdoTicket),
                       static_cast<QWidget *>(rdoCustomer), static_cast<QWidget *>(chkVat)})
        row->addWidget(w);
    row->addStretch();
    addCondition(modes, QStringLiteral("집계구분 :"), 0);
    for (QRadioButton *r : {rdoDetail, rdoTicket, rdoCustomer})
        connect(r, &QRadioButton::toggled, this, [this] {
            chkVat->setChecked(false);
            chkVat->setVisible(rdoDetail->isChecked());
        });
    addViewer();
}

void TfrmEFS060::search()
{
    const QStringList values{FFromDate, FToDate, edt_Upjang_No->text().trimmed()};
    if (rdoDetail->isChecked()) {
        // " VAT별도" goes only with the report that leaves the tax out.
        if (chkVat->isChecked())
            openReport(QStringLiteral("영업장별고객구분별권종별판매집계(VAT별도).mrd"), values + QStringList{QStringLiteral(" VAT별도")});
        else
            openReport(QStringLiteral("영업장별고객구분별권종별판매집계.mrd"), values);
    } else if (rdoTicket->isChecked()) {
        openReport(QStringLiteral("영업장별권종별판매집계.mrd"), values);
    } else {
        openReport(QStringLiteral("영업장별고객구분별판매집계.mrd"), values);
    }
}
