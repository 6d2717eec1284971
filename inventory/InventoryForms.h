#pragma once
// The input forms of the six inventory models, each on the family's base.
#include "inventory/frmInventoryForm.h"

// Model 1.
class FrmEOQ : public FrmInventoryForm {
public:
    FrmEOQ();
};

// Model 3.
class FrmPlannedShortages : public FrmInventoryForm {
public:
    FrmPlannedShortages();
};
