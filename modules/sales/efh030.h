#pragma once
#include "salesviewer.h"

class TfrmEFH030 : public TfrmSalesViewerWindow {
    Q_OBJECT
public:
    TfrmEFH030();
    static TfrmEFH030 *instance();
};
