// The screens of every module built into the program, registered under their program IDs.
#include "allscreens.h"

#ifdef SPORTS_HAS_EQUIPMENT
#include "modules/equipment/screens.h"
#endif
#ifdef SPORTS_HAS_SCHOOL
#include "modules/school/screens.h"
#endif
#ifdef SPORTS_HAS_CONTEST
#include "modules/contest/screens.h"
#endif
#ifdef SPORTS_HAS_PATROL
#include "modules/patrol/screens.h"
#endif
#ifdef SPORTS_HAS_WEATHER
#include "modules/weather/screens.h"
#endif
#ifdef SPORTS_HAS_SALES
#include "modules/sales/screens.h"
#endif
#ifdef SPORTS_HAS_MEMBERS
#include "modules/members/screens.h"
#endif
#ifdef SPORTS_HAS_LOCKERS
#include "modules/lockers/screens.h"
#endif

void RegisterAllScreens()
{
#ifdef SPORTS_HAS_EQUIPMENT
    RegisterEquipmentScreens();
#endif
#ifdef SPORTS_HAS_SCHOOL
    RegisterSchoolScreens();
#endif
#ifdef SPORTS_HAS_CONTEST
    RegisterContestScreens();
#endif
#ifdef SPORTS_HAS_PATROL
    RegisterPatrolScreens();
#endif
#ifdef SPORTS_HAS_WEATHER
    RegisterWeatherScreens();
#endif
#ifdef SPORTS_HAS_SALES
    RegisterSalesScreens();
#endif
#ifdef SPORTS_HAS_MEMBERS
    RegisterMembersScreens();
#endif
#ifdef SPORTS_HAS_LOCKERS
    RegisterLockersScreens();
#endif
}

void CreateStartupWindows()
{
#ifdef SPORTS_HAS_SALES
    CreateSalesViewerWindows();
#endif
}
