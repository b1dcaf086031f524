#include "startupvalues.h"

StartupValues &Startup()
{
    static StartupValues values;
    return values;
}
