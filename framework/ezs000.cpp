#include "ezs000.h"
#include "database/datamodule.h"
#include "core/messages.h"
#include <QHBoxLayout>
#include <QPushButton>

TfrmEZS000::TfrmEZS000(QWidget *parent) : TfrmZZS020(parent)
{
    qryFooter = std::make_unique<db::Query>(DM()->dbsDB);
    bbtCancel = addButton("bbtCancel", QStringLiteral("취소(F8)"));
    buttonLayout()->removeWidget(bbtCancel);
    buttonLayout()->insertWidget(buttonLayout()->indexOf(bbtExcel), bbtCancel);
    connect(bbtCancel, &QPushButton::clicked, this, &TfrmEZS000::bbtCancelClick);
    addHotkey(QStringLiteral("취소"), Qt::Key_F8, [this] { bbtCancelClick(); });
    rgrGrid->setFooterVisible(true);
}

// Every footer empty: a screen with footers of its own fills its columns after the search, and no other
// column shows a figure that could be read as its total.
void TfrmEZS000::resetFooters()
{
    for (int i = 0; i < rgrGrid->columnCount(); ++i)
        rgrGrid->setFooter(i, QString());
}

void TfrmEZS000::search()
{
    qryFooter->close();
    resetFooters();
    if (openResult()) {
        rgrGrid->setFocus();
    } else {
        ShowInfo(QStringLiteral("조회할 내용이 없습니다."));
        bbtSearch->nextInFocusChain()->setFocus();
    }
    SetStatusMessage(QString());
    rebuildColumnChooser();
    afterSearch();
}

void TfrmEZS000::bbtCancelClick()
{
    if (!beginAction(bbtCancel))
        return;
    closeResult();
    resetFooters();
    if (!conditions().isEmpty())
        conditions().first()->setFocus();
}

void TfrmEZS000::closeQueries()
{
    if (qryFooter)
        qryFooter->close();
    TfrmZZS020::closeQueries();
}
