#include "screens.h"
#include "framework/screenregistry.h"
#include "edi010.h"
#include "edi020.h"
#include "edi030.h"
#include "eds040.h"
#include "eds050.h"
#include "eds060.h"

void RegisterContestScreens()
{
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("EDI010", [] { return new TfrmEDI010; });
    r.add("EDI020", [] { return new TfrmEDI020; });
    r.add("EDI030", [] { return new TfrmEDI030; });
    r.add("EDS040", [] { return new TfrmEDS040; });
    r.add("EDS050", [] { return new TfrmEDS050; });
    r.add("EDS060", [] { return new TfrmEDS060; });
}
