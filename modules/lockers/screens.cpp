#include "screens.h"
#include "framework/screenregistry.h"
#include "ehi010.h"
#include "ehi020.h"
#include "ehi040.h"
#include "ehs030.h"
#include "ehs040.h"

void RegisterLockersScreens()
{
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("EHI010", [] { return new TfrmEHI010; });
    r.add("EHI020", [] { return new TfrmEHI020; });
    r.add("EHI040", [] { return new TfrmEHI040; });
    r.add("EHS030", [] { return new TfrmEHS030; });
    r.add("EHS040", [] { return new TfrmEHS040; });
}
