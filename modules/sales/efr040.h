#pragma once
#include "salesviewer.h"

class TfrmEFR040 : public TfrmSalesViewerWindow {
    Q_OBJECT
public:
    TfrmEFR040();
    static TfrmEFR040 *instance();
};
