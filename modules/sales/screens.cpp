#include "screens.h"
#include "framework/screenregistry.h"
#include "salesscreens.h"

void RegisterSalesScreens()
{
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("EFS040", [] { return new TfrmEFS040; });
    r.add("EFS050", [] { return new TfrmEFS050; });
    r.add("EFS060", [] { return new TfrmEFS060; });
    r.add("EFS070", [] { return new TfrmEFS070; });
}

void CreateSalesViewerWindows()
{
    TfrmEFH030::instance();
    TfrmEFR040::instance();
    TfrmEFR041::instance();
}
