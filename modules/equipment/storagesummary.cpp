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
    setConditions({
        SeasonCondition(),
        Condition("AREA_GUBUN", QStringLiteral("지역구분"), BIND(cboArea)).code("E0017"),
        Range(Condition("IPGO_DATE", QStringLiteral("입고일자"), BIND(edtIpgoFrom)).showsDate(), BIND(edtIpgoTo)).newLine(),
    });
}

Statement TfrmEBSStorageSummary::statement()
{
    return m_rows(season->code(), cboArea->code(), edtIpgoFrom->text(), edtIpgoTo->text());
}

Statement TfrmEBSStorageSummary::totalStatement()
{
    return m_total(season->code(), cboArea->code(), edtIpgoFrom->text(), edtIpgoTo->text());
}
