#include "screens.h"
#include "framework/screenregistry.h"
#include "eei020.h"
#include "eei021.h"
#include "ees010.h"

void RegisterPatrolScreens()
{
    Q_INIT_RESOURCE(patrol);   // the pictures live in this library
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("EEI010", [] { return new TfrmEEI020; });
    r.add("EEI021", [] { return new TfrmEEI021; });
    r.add("EES010", [] { return new TfrmEES010; });
}
