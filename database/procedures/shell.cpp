#include "../procedure.h"

namespace db {

void registerShellProcedures(ProcedureCatalog &catalog)
{
    Q_UNUSED(catalog);
}

} // namespace db
