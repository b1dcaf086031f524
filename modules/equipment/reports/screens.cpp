#include "modules/equipment/reports/screens.h"
#include "framework/screenregistry.h"
#include "modules/equipment/reports/reportscreens.h"

void RegisterEquipmentReportScreens()
{
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("EBS060", [] { return new TfrmEBS060; });
    r.add("EBS070", [] { return new TfrmEBS070; });
    r.add("EBS080", [] { return new TfrmEBS080; });
    r.add("EBS090", [] { return new TfrmEBS090; });
    r.add("EBS100", [] { return new TfrmEBS100; });
    r.add("EBS110", [] { return new TfrmEBS110; });
    r.add("EBS120", [] { return new TfrmEBS120; });
    r.add("EBS130", [] { return new TfrmEBS130; });
}
