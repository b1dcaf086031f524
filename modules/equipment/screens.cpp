#include "screens.h"
#include "framework/screenregistry.h"
#include "ebi010.h"
#include "ebi020.h"
#include "ebi030.h"
#include "ebi040.h"
#include "ebi050.h"
#include "ebs060.h"
#include "ebs070.h"
#include "ebs080.h"
#include "ebs090.h"
#include "ebs100.h"
#include "ebs110.h"
#include "ebs120.h"
#include "ebs130.h"

void RegisterEquipmentScreens()
{
    ScreenRegistry &r = ScreenRegistry::instance();
    r.add("EBI010", [] { return new TfrmEBI010; });
    r.add("EBI020", [] { return new TfrmEBI020; });
    r.add("EBI030", [] { return new TfrmEBI030; });
    r.add("EBI040", [] { return new TfrmEBI040; });
    r.add("EBI050", [] { return new TfrmEBI050; });
    r.add("EBS060", [] { return new TfrmEBS060; });
    r.add("EBS070", [] { return new TfrmEBS070; });
    r.add("EBS080", [] { return new TfrmEBS080; });
    r.add("EBS090", [] { return new TfrmEBS090; });
    r.add("EBS100", [] { return new TfrmEBS100; });
    r.add("EBS110", [] { return new TfrmEBS110; });
    r.add("EBS120", [] { return new TfrmEBS120; });
    r.add("EBS130", [] { return new TfrmEBS130; });
}
