#include "screens.h"
#include "framework/screenregistry.h"
#include "egi020.h"

void RegisterMembersScreens()
{
    ScreenRegistry::instance().add("EGI020", [] { return new TfrmEGI020; });
}
