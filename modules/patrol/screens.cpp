#include "screens.h"
#include "framework/screenregistry.h"
#include "eei010.h"
#include "eei021.h"
#include "ees010.h"
#include "ees020.h"
#include "ees120.h"
#include "ees030.h"
#include "ees040.h"
#include "ees140.h"
#include "ees050.h"
#include "ees060.h"
#include "ees070.h"
#include "ees080.h"
#include "ees090.h"
#include "ees001.h"
#include "ees003.h"
#include "ees004.h"

void RegisterPatrolScreens()
{
    Q_INIT_RESOURCE(patrol);   // the pictures live in this library
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("EEI010", [] { return new TfrmEEI020; });
    r.add("EEI021", [] { return new TfrmEEI021; });
    r.add("EES010", [] { return new TfrmEES010; });
    r.add("EES020", [] { return new TfrmEES020; });
    r.add("EES120", [] { return new TfrmEES120; });
    r.add("EES030", [] { return new TfrmEES030; });
    r.add("EES040", [] { return new TfrmEES040; });
    r.add("EES140", [] { return new TfrmEES140; });
    r.add("EES050", [] { return new TfrmEES050; });
    r.add("EES060", [] { return new TfrmEES060; });
    r.add("EES070", [] { return new TfrmEES070; });
    r.add("EES080", [] { return new TfrmEES080; });
    r.add("EES090", [] { return new TfrmEES090; });
    r.add("EES001", [] { return new TfrmEES001; });
    r.add("EES003", [] { return new TfrmEES003; });
    r.add("EES004", [] { return new TfrmEES004; });
}
