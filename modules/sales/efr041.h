#pragma once
#include "salesviewer.h"

class TfrmEFR041 : public TfrmSalesViewerWindow {
    Q_OBJECT
public:
    TfrmEFR041();
    static TfrmEFR041 *instance();
};
