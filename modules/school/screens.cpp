#include "screens.h"
#include "framework/screenregistry.h"
#include "eci010.h"
#include "eci020.h"
#include "eci030.h"
#include "eci040.h"
#include "eci050.h"
#include "eci060.h"
#include "eci070.h"
#include "eci080.h"
#include "ecs120.h"
#include "ecs150.h"
#include "ecs160.h"
#include "ecs090.h"
#include "ecs100.h"
#include "ecs110.h"
#include "ecs130.h"
#include "ecs140.h"

void RegisterSchoolScreens()
{
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("ECI010", [] { return new TfrmECI010; });
    r.add("ECI020", [] { return new TfrmECI020; });
    r.add("ECI030", [] { return new TfrmECI030; });
    r.add("ECI040", [] { return new TfrmECI040; });
    r.add("ECI050", [] { return new TfrmECI050; });
    r.add("ECI060", [] { return new TfrmECI060; });
    r.add("ECI070", [] { return new TfrmECI070; });
    r.add("ECI080", [] { return new TfrmECI080; });
    r.add("ECS090", [] { return new TfrmECS090; });
    r.add("ECS100", [] { return new TfrmECS100; });
    r.add("ECS110", [] { return new TfrmECS110; });
    r.add("ECS120", [] { return new TfrmECS120; });
    r.add("ECS130", [] { return new TfrmECS130; });
    r.add("ECS140", [] { return new TfrmECS140; });
    r.add("ECS150", [] { return new TfrmECS150; });
    r.add("ECS160", [] { return new TfrmECS160; });
}
