#include "screens.h"
#include "framework/screenregistry.h"
#include "eas010.h"
#include "eas020.h"
#include "eas030.h"

void RegisterWeatherScreens()
{
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("EAS010", [] { return new TfrmEAS010; });
    r.add("EAS020", [] { return new TfrmEAS020; });
    r.add("EAS030", [] { return new TfrmEAS030; });
}
