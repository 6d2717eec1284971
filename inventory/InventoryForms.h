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

// Model 2: the production rate is compared with the demand as it is left, and the
// last button leaves a request for the launcher.
class FrmProductionLotSize : public FrmInventoryForm {
public:
    FrmProductionLotSize();
    void mainBox_LostFocus(int index) override;

protected:
    void saveTail() override;
    void solveTail() override;
    void cancelling(int branch) override;
    bool focusMainOnStoredCancel() const override { return false; }
};

// Model 4: the price categories beside the family's boxes.
class FrmQtyDiscounts : public FrmInventoryForm {
public:
    static constexpr int kRows = 6;
    static constexpr int kCategoryStep = 390;  // twips from one category row to the next
    FrmQtyDiscounts();

    pf::Frame Frame1{this, "Frame1"};
    pf::Label lblCategoryHeading{this, "lblCategoryHeading", -1, &Frame1};
    pf::Label lblUnitCostHeading{this, "lblUnitCostHeading", -1, &Frame1};
    pf::Label lblMinQtyHeading{this, "lblMinQtyHeading", -1, &Frame1};
    std::vector<std::unique_ptr<pf::Label>> lblCategory;
    std::vector<std::unique_ptr<pf::TextBox>> txtUnitCost;
    std::vector<std::unique_ptr<pf::TextBox>> txtMinQty;

    void Form_Load() override;
    void txtUnitCost_LostFocus(int index);
    void txtMinQty_LostFocus(int index);

protected:
    void loadStored() override;
    std::vector<pf::TextBox*> requiredBoxes() override;
    void storeOnSaveOrSolve() override;

private:
    // Rows shown: the categories, never more than the form has.
    int shownRows() const;
};

// Model 5: normal lead-time demand and the service level.
class FrmQR_Prob : public FrmInventoryForm {
public:
    FrmQR_Prob();

    pf::Label lblnormaldemand{this, "lblnormaldemand"};
    pf::Frame frmNormalDemand{this, "frmNormalDemand"};
    pf::Label lblMean{this, "lblMean", -1, &frmNormalDemand};
    pf::TextBox txtMean{this, "txtMean", -1, &frmNormalDemand};
    pf::Label lblStdDev{this, "lblStdDev", -1, &frmNormalDemand};
    pf::TextBox txtStdDev{this, "txtStdDev", -1, &frmNormalDemand};
    pf::Label lblService{this, "lblService"};
    pf::ComboBox comboService{this, "comboService"};
    pf::Frame frmService{this, "frmService"};
    pf::Label lblServiceType{this, "lblServiceType", -1, &frmService};
    pf::TextBox txtStockout{this, "txtStockout", -1, &frmService};

    void comboService_Click();
    void txtMean_LostFocus();
    void txtStdDev_LostFocus();
    void txtStockout_LostFocus();

protected:
    void loadNew() override;
    void loadStored() override;
    std::vector<pf::TextBox*> requiredBoxes() override;

private:
    // These boxes read an empty text as 0 and store it.
    bool leftValueBox(pf::TextBox& box, QVInvent::EntryRule rule, const char* message, double& value);
    void fillServiceList();
};

// Model 6: the two costs and the demand distribution.
class FrmOnePeriodProb : public FrmInventoryForm {
public:
    FrmOnePeriodProb();

    pf::Label lblDistribution{this, "lblDistribution"};
    pf::ComboBox comboDistribution{this, "comboDistribution"};
    pf::Frame frameholdingcostmethod{this, "frameholdingcostmethod"};
    pf::Label lblSmallValue{this, "lblSmallValue", -1, &frameholdingcostmethod};
    pf::TextBox txtSmallValue{this, "txtSmallValue", -1, &frameholdingcostmethod};
    pf::Label lblLargeValue{this, "lblLargeValue", -1, &frameholdingcostmethod};
    pf::TextBox txtLargeValue{this, "txtLargeValue", -1, &frameholdingcostmethod};

    void mainBox_LostFocus(int index) override;
    void comboDistribution_Click();
    void txtSmallValue_LostFocus();
    void txtLargeValue_LostFocus();

protected:
    void loadNew() override;
    void loadStored() override;
    std::vector<pf::TextBox*> requiredBoxes() override;

private:
    void fillDistributionList();
};
