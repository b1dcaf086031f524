#include "screens.h"
#include "framework/screenregistry.h"
#include "efs010.h"
#include "efs020.h"
#include "efs030.h"
#include "efs040.h"
#include "efs050.h"
#include "efs060.h"
#include "efs070.h"
#include "efh030.h"
#include "efr040.h"
#include "efr041.h"

void RegisterSalesScreens()
{
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("EFS010", [] { return new TfrmEFS010; });
    r.add("EFS020", [] { return new TfrmEFS020; });
    r.add("EFS030", [] { return new TfrmEFS030; });
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
