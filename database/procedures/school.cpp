#include "../procedure.h"

namespace db {

void registerSchoolProcedures(ProcedureCatalog &catalog)
{
    Q_UNUSED(catalog);
}

} // namespace db
