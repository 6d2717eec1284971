#pragma once
// What the six inventory input forms share: the title line, an array of main boxes
// checked and stored as they are left, the holding-cost method with its two boxes,
// the reorder-point option with the lead time, and Save, Solve and Cancel. Each form
// names its main boxes and adds what only it has.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "inventory/core/InventoryEntries.h"
#include "platform/ui/Controls.h"

class FrmInventoryForm : public pf::Form {
public:
    // A main box: its label, an optional note under the label, the rule and message of
    // its check on leaving, and the field it stores into (empty for boxes the form
    // handles itself).
    struct MainBox {
        const char* label;
        const char* note;
        QVInvent::EntryRule rule;
        const char* message;
        std::function<pf::Value&()> field;
    };
    enum Parts : int { kHoldingCost = 1, kReorderPoint = 2 };

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label Text1{this, "Text1"};
    std::vector<std::unique_ptr<pf::Label>> mainLabels;
    std::vector<std::unique_ptr<pf::Label>> mainNotes;
    std::vector<std::unique_ptr<pf::TextBox>> mainBoxes;

    // Holding cost (forms with kHoldingCost).
    std::unique_ptr<pf::Label> lblholdingcostmethod;
    std::unique_ptr<pf::ComboBox> comboHoldingcostmethod;
    std::unique_ptr<pf::Frame> frameholdingcostmethod;
    std::unique_ptr<pf::Label> lblframe1;
    std::unique_ptr<pf::TextBox> txtFrame1;
    std::unique_ptr<pf::Label> lblframe2;
    std::unique_ptr<pf::TextBox> txtframe2;
    // Reorder point (forms with kReorderPoint).
    std::unique_ptr<pf::CheckBox> chkreorderpoint;
    std::unique_ptr<pf::Frame> frameleadtime;
    std::unique_ptr<pf::Label> Label2;
    std::unique_ptr<pf::TextBox> txtleadtime;

    std::unique_ptr<pf::CommandButton> cmdSave, CmdSolve, cmdCancel;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    void mainBox_GotFocus(int index);
    virtual void mainBox_LostFocus(int index);
    void txtFrame1_LostFocus();
    void txtframe2_LostFocus();
    void txtleadtime_LostFocus();
    void comboHoldingcostmethod_Click();
    void chkreorderpoint_Click();
    void cmdSave_Click();
    void CmdSolve_Click();
    void cmdCancel_Click();

protected:
    // Lays out the title and the main boxes; the derived form then places its own
    // controls from nextTop() on and calls finishLayout().
    FrmInventoryForm(const char* formName, const char* title, const char* boxArrayName,
                     std::vector<MainBox> boxes, int parts, int daysIndex);

    static constexpr int kLeft = 240;
    static constexpr int kBoxLeft = 4920;
    static constexpr int kBoxWidth = 1455;
    static constexpr int kRowHeight = 315;
    static constexpr int kRowStep = 435;
    static constexpr int kWidth = 6855;

    int nextTop() const { return top_; }
    void advance(int twips) { top_ += twips; }
    int nextTab() { return tab_++; }
    void finishLayout();

    // Dialog look of a label, a box, a frame, a combo or a check box.
    void lookLabel(pf::Label& l, int left, int top, int width, const std::string& caption, bool bold = true);
    void lookBox(pf::TextBox& t, int left, int top, int width = kBoxWidth);
    void lookFrame(pf::Frame& f, int left, int top, int width, int height, const std::string& caption);
    void lookCombo(pf::ComboBox& c, int left, int top, int width);

    // Reads and judges a box on leaving: empty is skipped (false), a refusal is shown
    // (false); true with the value when accepted.
    bool leftBox(pf::TextBox& box, QVInvent::EntryRule rule, const std::string& message, double& value);

    bool percentChosen() const;

    // ---- what each form may change ----
    // Load of a stored problem: the main boxes and the form's own controls.
    virtual void loadStored();
    // Load of a new problem beyond the family's defaults.
    virtual void loadNew() {}
    // The boxes Save and Solve require, in the order they are tested.
    virtual std::vector<pf::TextBox*> requiredBoxes();
    void requireMainBoxes(std::vector<pf::TextBox*>& out);
    void requireLeadTime(std::vector<pf::TextBox*>& out);
    void requireHoldingCost(std::vector<pf::TextBox*>& out);
    // What Save and Solve store beyond the boxes' own storing.
    virtual void storeOnSaveOrSolve();
    virtual void saveTail();
    virtual void solveTail();
    // Cancel's branches: 0 new problem answered No, 1 answered Yes, 2 stored problem.
    virtual void cancelling(int /*branch*/) {}
    // A stored problem's Cancel gives the main window the focus.
    virtual bool focusMainOnStoredCancel() const { return true; }

    // Loads the holding-cost layout and boxes of a stored problem.
    void loadStoredHoldingCost();
    void loadStoredReorderPoint();
    void holdingCostStart();

    // Save, Solve and Cancel: what moves when a band above them closes up.
    std::vector<pf::Control*> buttonRow() const { return {cmdSave.get(), CmdSolve.get(), cmdCancel.get()}; }

    std::vector<MainBox> boxes_;
    int parts_;
    int daysIndex_;

private:
    bool saveOrSolveChecks();
    // Twips the lead-time frame takes with the gap under it, closed up while it is hidden.
    int leadTimeBand() const;
    // Shows or hides the unit-cost row of the holding-cost frame; the frame closes up
    // under its first row when the row is hidden.
    void showUnitCostRow(bool shown);
    int top_ = 0;
    int tab_ = 0;
};
