#include "../procedure.h"

namespace db {

void registerMembersProcedures(ProcedureCatalog &catalog)
{
    Q_UNUSED(catalog);
}

} // namespace db
