#include "salesscreen.h"
#include "salesviewer.h"
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

TfrmSalesScreen::TfrmSalesScreen(QWidget *parent) : TfrmEZS000(parent) {}

void TfrmSalesScreen::addUpjang(const QString &code)
{
    edt_Upjang_No = addEdit("edt_Upjang_No", QStringLiteral("영업장 :"), 4);
    sbtUpjang = new QToolButton(panSearch);
    sbtUpjang->setObjectName("sbtUpjang");
    sbtUpjang->setText(QStringLiteral("..."));
    sbtUpjang->setFocusPolicy(Qt::NoFocus);
    wlbUpjangName = new QLabel(panSearch);
    wlbUpjangName->setObjectName("wlbUpjangName");
    wlbUpjangName->setMinimumWidth(120);
    addBeside(edt_Upjang_No, sbtUpjang);
    addBeside(edt_Upjang_No, wlbUpjangName);
    TCodeLookup place{QStringLiteral("영업장"), QString(), QString(), 4, false,
                      [](const QString &code) {
                          return db::Query::scalar(DM()->dbsDB,
                                                   QStringLiteral("SELECT UPJANG_NAME FROM JA010MS WHERE UPJANG_CODE = :UPJANG_CODE"),
                                                   {{QStringLiteral("UPJANG_CODE"), code}});
                      },
                      [](QString &code, QString &name, QWidget *parent) {
                          return SelectUpjang(QStringLiteral("영업장 선택"), code, name, parent);
                      },
                      true};
    upjang = new TCodeField(place, edt_Upjang_No, sbtUpjang, wlbUpjangName);   // F1 in the code, as in every key field
    edt_Upjang_No->setText(code);
}

void TfrmSalesScreen::addPeriod(const QString &caption)
{
    dtpFromDate = addDateEdit("dtpFromDate", caption + QStringLiteral(" FROM"));
    dtpToDate = addDateEdit("dtpToDate", QStringLiteral("TO"));
    FFromDate = dtpFromDate->dateText();
    FToDate = dtpToDate->dateText();
    connect(dtpFromDate, &QDateEdit::dateChanged, this, [this] { FFromDate = dtpFromDate->dateText(); });
    connect(dtpToDate, &QDateEdit::dateChanged, this, [this] { FToDate = dtpToDate->dateText(); });
}

void TfrmSalesScreen::addViewer()
{
    viewer = ShowViewerInPlaceOfGrid(this);
}

void TfrmSalesScreen::openReport(const QString &file, const QStringList &values)
{
    OpenSalesReport(viewer, file, ReportParams(values));
}

QString TfrmSalesScreen::saleLines(QHash<QString, QVariant> *binds, bool anyPlace) const
{
    binds->insert("FROM_DATE", FFromDate);
    binds->insert("TO_DATE", FToDate);
    binds->insert("UPJANG_CODE", edt_Upjang_No->text().trimmed());
    return QStringLiteral(
               "SELECT I.SALE_DATE, I.UPJANG_CODE, I.POS_NO, I.DC_RATE, I.SALE_QTY, I.SALE_AMT, I.ACCEPT_MEMBER_NO, "
               "(SELECT MAX(M.DAESO_CODE) FROM JB010MS M WHERE M.UPJANG_CODE = I.UPJANG_CODE AND M.MENU_CODE = I.MENU_CODE) AS DAESO, "
               "(SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'I0005' AND Z.DETAIL = "
               " (SELECT MAX(M.TICKET_KIND) FROM JB010MS M WHERE M.UPJANG_CODE = I.UPJANG_CODE AND M.MENU_CODE = I.MENU_CODE)) AS TICKET "
               "FROM IA010MS I WHERE I.SALE_DATE BETWEEN :FROM_DATE AND :TO_DATE AND ")
        + (anyPlace ? QStringLiteral("NVL(CAST(:UPJANG_CODE AS VARCHAR(4)), I.UPJANG_CODE) = I.UPJANG_CODE")
                    : QStringLiteral("I.UPJANG_CODE = :UPJANG_CODE"));
}

void TfrmSalesScreen::runSummary(const QString &sql, const QHash<QString, QVariant> &binds)
{
    qryQuery->setSql(sql);
    for (auto it = binds.cbegin(); it != binds.cend(); ++it)
        qryQuery->bind(it.key(), it.value());
    TfrmEZS000::search();
}

namespace sales {

QString sums(const QString &when, const QString &name)
{
    return QStringLiteral("SUM(CASE WHEN %1 THEN X.SALE_QTY ELSE 0 END) AS %2_QTY, "
                          "SUM(CASE WHEN %1 THEN X.SALE_AMT ELSE 0 END) AS %2_AMT")
        .arg(when, name);
}

// "<name>_QTY" and "<name>_AMT" of a summary (of the select named by qualifier) shown #,##0.
QString grouped(const QString &name, const QString &qualifier)
{
    return groupedNumber(qualifier + name + "_QTY", name + "_QTY") + ", "
        + groupedNumber(qualifier + name + "_AMT", name + "_AMT");
}

void addPair(TListGrid *grid, const QString &name, const QString &group, bool hidden)
{
    grid->addColumn(name + "_QTY", QStringLiteral("수량"), 55, Qt::AlignRight).group(group).hidden(hidden);
    grid->addColumn(name + "_AMT", QStringLiteral("금액"), 80, Qt::AlignRight).group(group).hidden(hidden);
}

} // namespace sales
