#include "screens.h"
#include "framework/screenregistry.h"
#include "eci040.h"
#include "eci050.h"

void RegisterSchoolScreens()
{
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("ECI040", [] { return new TfrmECI040; });
    r.add("ECI050", [] { return new TfrmECI050; });
}
