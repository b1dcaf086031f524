#pragma once
// Process-wide values set once at start-up and read by every screen.
#include <QString>

struct StartupValues {
    QString programDirectory;    // always ends with the directory separator
    QString workstationAddress;  // dotted IPv4 or empty; sent as AU_IP
    QString employeeNumber;      // command-line parameter 3; sent as AU_EMP_NO
    QString userName;            // command-line parameter 4; shown in every status bar
    QString databaseUser;        // command-line parameter 2
    QString siteName;            // added by the main window
};

StartupValues &Startup();
