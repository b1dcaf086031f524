#pragma once
#include "storagesummary.h"

// Stored items by storage kind.
class TfrmEBS120 : public TfrmEBSStorageSummary {
    Q_OBJECT
public:
    explicit TfrmEBS120(QWidget *parent = nullptr);
};
