#include "storagesummary.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QFormLayout>
#include <QItemSelectionModel>

using namespace equipment_reports;

TfrmEBSStorageSummary::TfrmEBSStorageSummary(const TReportDefinition &report, StorageStatement rows,
                                             StorageStatement total, QWidget *parent)
    : TfrmReportList(report, parent), m_rows(rows), m_total(total)
{
    summarise(QStringLiteral("총  계"));
    addSeason();
    addArea(QStringLiteral("지역구분"));
    edtIpgoFrom = addOptionalDate("edtIpgoFrom", QStringLiteral("입고일자"));
    edtIpgoTo = addOptionalDate("edtIpgoTo", QStringLiteral("∼"));
}

bool TfrmEBSStorageSummary::validate()
{
    return checkSeason() && checkDates(edtIpgoFrom, edtIpgoTo, QStringLiteral("입고일자"));
}

Statement TfrmEBSStorageSummary::statement()
{
    return m_rows(season->code(), cboArea->code(), edtIpgoFrom->text(), edtIpgoTo->text());
}

Statement TfrmEBSStorageSummary::totalStatement()
{
    return m_total(season->code(), cboArea->code(), edtIpgoFrom->text(), edtIpgoTo->text());
}

QStringList TfrmEBSStorageSummary::conditionLines()
{
    return {seasonPair() + kBlanks + conditionLine({cboArea}),
            periodPair(QStringLiteral("입고일자"), edtIpgoFrom, edtIpgoTo)};
}
