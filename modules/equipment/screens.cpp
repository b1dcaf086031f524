#include "screens.h"
#include "framework/screenregistry.h"
#include "ebi010.h"
#include "ebi020.h"
#include "ebi030.h"
#include "ebi040.h"
#include "ebi050.h"
#include "reports/screens.h"

void RegisterEquipmentScreens()
{
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("EBI010", [] { return new TfrmEBI010; });
    r.add("EBI020", [] { return new TfrmEBI020; });
    r.add("EBI030", [] { return new TfrmEBI030; });
    r.add("EBI040", [] { return new TfrmEBI040; });
    r.add("EBI050", [] { return new TfrmEBI050; });
    RegisterEquipmentReportScreens();
}
