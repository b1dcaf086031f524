#include "../procedure.h"

namespace db {

void registerEquipmentProcedures(ProcedureCatalog &catalog)
{
    Q_UNUSED(catalog);
}

} // namespace db
