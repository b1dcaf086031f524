#pragma once
#include "storagesummary.h"

// Stored items by the owner's region.
class TfrmEBS130 : public TfrmEBSStorageSummary {
    Q_OBJECT
public:
    explicit TfrmEBS130(QWidget *parent = nullptr);
};
