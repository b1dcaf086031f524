#include "../procedure.h"

namespace db {

// One registration function per subsystem, each in its own file beside this one.
void registerShellProcedures(ProcedureCatalog &);
void registerEquipmentProcedures(ProcedureCatalog &);
void registerEquipmentMasterProcedures(ProcedureCatalog &);
void registerSchoolProcedures(ProcedureCatalog &);
void registerContestProcedures(ProcedureCatalog &);
void registerPatrolProcedures(ProcedureCatalog &);
void registerMembersProcedures(ProcedureCatalog &);
void registerLockersProcedures(ProcedureCatalog &);

void registerAllProcedures(ProcedureCatalog &catalog)
{
    registerShellProcedures(catalog);
    registerEquipmentProcedures(catalog);
    registerEquipmentMasterProcedures(catalog);
    registerSchoolProcedures(catalog);
    registerContestProcedures(catalog);
    registerPatrolProcedures(catalog);
    registerMembersProcedures(catalog);
    registerLockersProcedures(catalog);
}

} // namespace db
