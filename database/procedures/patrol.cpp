#include "../procedure.h"

namespace db {

void registerPatrolProcedures(ProcedureCatalog &catalog)
{
    Q_UNUSED(catalog);
}

} // namespace db
