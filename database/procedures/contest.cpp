#include "../procedure.h"

namespace db {

void registerContestProcedures(ProcedureCatalog &catalog)
{
    Q_UNUSED(catalog);
}

} // namespace db
