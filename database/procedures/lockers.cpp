#include "../procedure.h"

namespace db {

void registerLockersProcedures(ProcedureCatalog &catalog)
{
    Q_UNUSED(catalog);
}

} // namespace db
