#include "lp/QVLP.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "lp/QVLPSolution.h"
#include "lp/core/LP_Engine.h"
#include "lp/core/Parser.h"
#include "lp/core/TextModel.h"
#include "lp/frmIP.h"
#include "lp/frmLPFeatures.h"
#include "lp/frmLPproblem.h"
#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "platform/ui/Keys.h"
#include "shell/AskNumber.h"
#include "shell/MenuState.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"
#include "shell/frmMenu.h"
#include "shell/frmTransObj.h"

namespace QVLP {

namespace {

constexpr const char* kDataInputError = "Data Input Error";
constexpr const char* kInstructions =
    "Note:  Decision variable names can be changed if desired.  Enter Objective function coefficients in "
    "the objective function portion of the input screen.  In the constraints section, enter constraint "
    "coefficients, constraint relationship (<, =, >), and constraint right-hand-side.  Do not enter "
    "nonnegativity constraints.";
constexpr const char* kMaxConstraintsText = "You may only solve a problem with a maximum of 50 constraints.";
constexpr const char* kMaxVariablesText = "You may only solve a problem with a maximum of 100 variables.";

void inputError(const std::string& text) {
    pf::MsgBox(text, pf::vbCritical + pf::vbOKOnly, kDataInputError);
}

// A name right-aligned in a heading field; a longer name is kept whole.
std::string rightAligned(const std::string& text, int width) {
    return pf::Spaces(width - static_cast<int>(text.size())) + text;
}

// The row heading of constraint i in the constraint grid.
std::string constraintHeading(int i) { return "           Constraint " + std::to_string(i); }

// The numeric-entry check on a cell text; a refused text resets the verdicts.
// Digits beyond the double range cannot be stored and are refused as well.
bool numericCell(const std::string& text) {
    auto& s = qv::S();
    s.strNumericText = pf::UCase(text);
    tanumchk::CheckNumericText();
    bool ok = s.strNumericOK != "NO";
    if (ok && std::isinf(pf::ValLeadingOrInfinite(text))) ok = false;
    if (!ok) {
        tanumchk::ResetVerdicts();
    }
    return ok;
}

// A value of the LP arrays as a cell shows it: empty stays empty, never an exponent.
std::string cellText(const pf::Value& v) { return v.IsEmpty() ? std::string() : pf::EntryNumber(v.num()); }

void minimumCapacity(const char* noun) {
    pf::MsgBox(std::string("There is currently 1 ") + noun + " in this problem.  This is the minimum allowed.",
               pf::vbExclamation + pf::vbOKOnly, "Minimum Capacity");
    frmMenu().SetFocus();
}

// Asks a positive whole number until one is accepted; false when the user gave no
// answer (the main window then has the focus). `limit` names a further refusal.
bool askWholeNumber(const char* prompt, const char* title, const char* notInteger, const char* notPositive,
                    const std::function<const char*(double)>& limit, long& value) {
    double v = 0;
    // The value of the answer as typed: a comma ends it.
    if (!qv::askWholeNumber(prompt, title, notInteger, notPositive, qv::AnswerReading::AsTyped,
                            [&limit](double n) {
                                const char* refusal = limit(n);
                                return refusal ? std::string(refusal) : std::string();
                            },
                            v))
        return false;
    value = static_cast<long>(v);
    return true;
}

// The relation and right-hand-side texts of the constraint rows as typed. A store
// turns an empty or unknown relation into code 4 and an empty right-hand side into
// 0; the rebuild after an Edit operation puts the typed texts back instead, so that
// it never invents a ">" relation or a right-hand side.
struct RowTexts {
    std::string relation, rhs;
};
std::vector<RowTexts> constraintRowTexts() {
    pf::Grid& g = *frmLPproblem().Grid[1];
    std::vector<RowTexts> rows(1);
    if (g.Cols() < 3) return rows;
    for (int i = 1; i < g.Rows(); ++i)
        rows.push_back({g.TextMatrix(i, g.Cols() - 2), g.TextMatrix(i, g.Cols() - 1)});
    return rows;
}
// oldRow(i): the row before the operation of new row i, or 0 for a new row.
void restoreRowTexts(const std::vector<RowTexts>& rows, const std::function<int(int)>& oldRow) {
    pf::Grid& g = *frmLPproblem().Grid[1];
    for (int i = 1; i < g.Rows(); ++i) {
        const int k = oldRow(i);
        if (k < 1 || static_cast<std::size_t>(k) >= rows.size()) continue;
        const RowTexts& t = rows[static_cast<std::size_t>(k)];
        g.TextMatrix(i, g.Cols() - 2, t.relation);
        if (t.rhs.empty()) g.TextMatrix(i, g.Cols() - 1, "");
    }
}

}  // namespace

// ------------------------------------------------------------------ new problem

void NewLPProblem() {
    auto& s = qv::S();
    InitLPArrays();
    s.blnDialogCancelled = true;  // only OK clears it
    frmLPFeatures().Show(pf::vbModal);
    if (s.blnDialogCancelled) {
        frmMenu().SetFocus();
        return;
    }
    BuildInputScreen();
}

// ------------------------------------------------------------------ layout

void BuildInputScreen() {
    auto& s = qv::S();
    auto& lp = s.lp;
    pf::SetBusyCursor(true);
    try {
        FrmLPproblem& f = frmLPproblem();
        pf::Grid& g0 = *f.Grid[0];
        pf::Grid& g1 = *f.Grid[1];
        const int m = lp.intConstraintCount, n = lp.intVariableCount;
        pf::Control* shown[] = {&f.lblopttype, &f.lblInfo, &f.lblObjFunction, &f.lblcoeff,
                                &f.Label1,     &f.Label2,  &g0,                &g1};
        if (s.blnEditInProgress)
            for (pf::Control* c : shown) c->Visible(false);
        f.lblInfo.Caption(kInstructions);
        f.lblopttype.Caption(lp.intOptimizationType == 0 ? "Optimization Type:  Max" : "Optimization Type:  Min");

        g0.Rows(2);
        g0.Cols(n + 1);
        g0.FixedRows(0);
        g0.FixedCols(1);
        g1.FixedRows(1);
        g1.FixedCols(1);
        g1.Rows(m + 1);
        g1.Cols(n + 3);
        // A rebuild starts from empty cells.
        for (pf::Grid* g : {&g0, &g1})
            for (int r = 0; r < g->Rows(); ++r)
                for (int c = 0; c < g->Cols(); ++c) g->TextMatrix(r, c, "");
        // The taller grid ends above the window's lower edge, its scroll bar whole.
        g1.Height(m + 1 < 18 ? 5000 : std::min(7695, f.ScaleHeight() - g1.Top() - 120));

        // Column 0 shows the longest row heading whole in the grid's face; both grids
        // keep it equal so that each variable's columns stand under each other.
        const int headingWidth = std::max(1550, g1.TextWidth(constraintHeading(m)));
        g0.ColWidth(0, headingWidth);
        g1.ColWidth(0, headingWidth);
        for (pf::Grid* g : {&g0, &g1})
            for (int c = 1; c < g->Cols(); ++c) {
                g->ColWidth(c, g == &g1 && c == g->Cols() - 1 ? 1300 : 1200);
                g->ColAlignment(c, 2);
            }
        if (n >= 2 && n <= 10) {
            f.lblcoeff.Width(n * 1225);
            f.lblObjFunction.Width(n * 1225);
        }
        // The captions stand over the variables' columns; one column is narrower than
        // the captions' own width, which stays, so they are centred over it.
        for (pf::Label* caption : {&f.lblObjFunction, &f.lblcoeff})
            caption->Left(n == 1 ? g0.Left() + headingWidth + 600 - caption->Width() / 2 : FrmLPproblem::kCaptionLeft);

        g0.TextMatrix(0, 0, "Variable Names:");
        g0.TextMatrix(1, 0, "Coefficients:");
        g0.Row(0);
        g1.Row(0);

        if (s.blnNewProblem) {
            for (int j = 1; j <= n; ++j) {
                g0.TextMatrix(0, j, "X" + std::to_string(j));
                g1.TextMatrix(0, j, "           X" + std::to_string(j));
            }
        } else {
            for (int j = 1; j <= n; ++j) {
                const std::string& name = lp.strVariableNames(j);
                g0.TextMatrix(0, j, name);
                g1.TextMatrix(0, j, rightAligned(name, 13));
                const pf::Value& c = lp.dblProblemMatrix(0, j);
                g0.TextMatrix(1, j, c.num() == 0 ? std::string() : cellText(c));
            }
            for (int i = 1; i <= m; ++i) {
                const int code = lp.intConstraintRelations(i);
                g1.TextMatrix(i, n + 1, code == 2 ? "<" : code == 3 ? "=" : code == 4 ? ">" : "");
                g1.TextMatrix(i, n + 2, cellText(lp.dblProblemMatrix(i, 0)));
                for (int j = 1; j <= n; ++j) g1.TextMatrix(i, j, cellText(lp.dblProblemMatrix(i, j)));
            }
        }

        g1.TextMatrix(0, 0, "Subject To:");
        g1.TextMatrix(0, n + 1, "Relation(<,=,>)");
        g1.TextMatrix(0, n + 2, "Right-Hand-Side");
        for (int i = 1; i <= m; ++i) g1.TextMatrix(i, 0, constraintHeading(i));

        s.strProblemEntered = "YES";
        for (pf::Control* c : shown) c->Visible(true);
        qv::menuEvent(qv::MenuEvent::ProblemLaidOut);
        pf::SetBusyCursor(false);

        if (s.blnNewProblem || s.blnEditInProgress) {
            f.editor(0).moveTo(1, 1);
            if (g0.canTakeFocus()) g0.SetFocus();
        } else {
            frmMenu().SetFocus();
        }
    } catch (const pf::RuntimeError&) {
        // The layout ends quietly where it failed; the cursor is not left busy.
        pf::SetBusyCursor(false);
    }
}

// ------------------------------------------------------------------ store

void StoreInputScreen() {
    FrmLPproblem& f = frmLPproblem();
    pf::Grid& g0 = *f.Grid[0];
    pf::Grid& g1 = *f.Grid[1];
    const int n = g0.Cols() - 1, m = g1.Rows() - 1;
    std::vector<std::string> names, objective;
    for (int j = 1; j <= n; ++j) {
        names.push_back(g0.TextMatrix(0, j));
        objective.push_back(g0.TextMatrix(1, j));
    }
    std::vector<std::vector<std::string>> constraints;
    for (int i = 1; i <= m; ++i) {
        std::vector<std::string> row;
        for (int j = 1; j < g1.Cols(); ++j) row.push_back(g1.TextMatrix(i, j));
        constraints.push_back(std::move(row));
    }
    StoreInputTexts(names, objective, constraints);
}

// ------------------------------------------------------------------ cell check

namespace {
// The constraint grid's heading over variable column `col` shows the name, written
// where it stands: the constraint grid's current cell stays where the user left it.
void showNameInHeading(FrmLPproblem& f, int col, const std::string& name) {
    pf::Grid& g1 = *f.Grid[1];
    if (col >= 1 && col < g1.Cols()) g1.TextMatrix(0, col, rightAligned(name, 12));
}
}  // namespace

int ValidateCell(int index) {
    auto& s = qv::S();
    if (s.blnEditInProgress) return 0;
    FrmLPproblem& f = frmLPproblem();
    pf::Grid& g = *f.Grid[static_cast<std::size_t>(index)];
    const int row = g.Row(), col = g.Col();
    const std::string t = g.Text();
    if (t.empty()) return 0;
    // Headings are not entries.
    if (col == 0 || row < g.FixedRows()) return 0;
    if (index == 1) {
        if (col == g.Cols() - 2) {
            if (t != "<" && t != "=" && t != ">") {
                inputError("Relation is Invalid.  Please enter <, >, or =.");
                return 999;
            }
            return 0;
        }
        if (!numericCell(t)) {
            inputError("Constraint Values Must Be Numeric.");
            return 999;
        }
        if (col == g.Cols() - 1 && pf::ValLeadingOrInfinite(t) < 0) {
            inputError("Right Hand Sides Must be Positive");
            return 999;
        }
        return 0;
    }
    if (row == 0) {
        if (t.size() >= 8) {
            inputError("Variable Names must be less than 8 Characters Long.");
            // The heading may show the name from a menu's opening; the cell is emptied.
            showNameInHeading(f, col, "");
            return 999;
        }
        showNameInHeading(f, col, t);
        return 0;
    }
    if (row == 1 && !numericCell(t)) {
        inputError("Objective Function Coefficients Must Be Numeric.");
        return 999;
    }
    return 0;
}

void CopyPendingName() {
    if (!pf::isLoaded<FrmLPproblem>()) return;
    FrmLPproblem& f = frmLPproblem();
    pf::Grid& g0 = *f.Grid[0];
    if (!g0.Visible()) return;  // no problem laid out
    if (g0.Row() == 0) showNameInHeading(f, g0.Col(), g0.Text());
}

// ------------------------------------------------------------------ Edit operations

void AddConstraints() {
    auto& lp = qv::S().lp;
    long a = 0;
    const int oldM = lp.intConstraintCount;
    if (!askWholeNumber("Enter the Number of Constraints to Add:", "Add Constraints",
                        "The Number of Constraints must be an Integer!!", "Constraints to Add Must be Positive",
                        [oldM](double v) { return oldM + v > kMaxConstraints ? kMaxConstraintsText : nullptr; }, a))
        return;
    const std::vector<RowTexts> rows = constraintRowTexts();
    StoreInputScreen();
    lp.intConstraintCount = oldM + static_cast<int>(a);
    BuildInputScreen();
    restoreRowTexts(rows, [oldM](int i) { return i <= oldM ? i : 0; });
    // The first new constraint, ready for typing; a Tab and a Left through the grid's
    // own key handling leave it there with no edit pending.
    FrmLPproblem& f = frmLPproblem();
    f.editor(1).moveTo(oldM + 1, 1);
    if (f.Grid[1]->canTakeFocus()) {
        f.Grid[1]->SetFocus();
        pf::SendKeys("{TAB}", true);
        pf::SendKeys("{LEFT}", true);
    }
}

void DeleteConstraint() {
    auto& lp = qv::S().lp;
    const int m = lp.intConstraintCount, n = lp.intVariableCount;
    if (m <= 1) return minimumCapacity("constraint");
    long k = 0;
    if (!askWholeNumber("Enter the Number of the Constraint to Delete:", "Delete Constraint",
                        "The Constraint Number must be an Integer!!", "Constraint Number Must be Positive",
                        [m](double v) { return v > m ? "Constraint Number Doesn't Exist!" : nullptr; }, k))
        return;
    const std::vector<RowTexts> rows = constraintRowTexts();
    StoreInputScreen();
    const int newM = m - 1;
    // Rows after k move up one, each with its right-hand side and relation.
    pf::Array2<pf::Value> matrix;
    matrix.ReDim(lp.intRowCapacity, lp.intColumnCapacity);
    pf::Array<int> relations;
    relations.ReDim(lp.intRowCapacity);
    for (int j = 1; j <= n; ++j) matrix(0, j) = lp.dblProblemMatrix(0, j);
    for (int i = 1; i <= newM; ++i) {
        const int from = i < k ? i : i + 1;
        for (int j = 0; j <= n; ++j) matrix(i, j) = lp.dblProblemMatrix(from, j);
        relations(i) = lp.intConstraintRelations(from);
    }
    lp.dblProblemMatrix = matrix;
    lp.intConstraintRelations = relations;
    lp.intConstraintCount = newM;
    BuildInputScreen();
    restoreRowTexts(rows, [k](int i) { return i < k ? i : i + 1; });
}

void AddVariables() {
    auto& lp = qv::S().lp;
    long a = 0;
    const int oldN = lp.intVariableCount;
    if (!askWholeNumber("Enter the Number of Variables to Add:", "Add Variables",
                        "The Number of Variables must be an Integer!!", "Variables to Add Must be Positive",
                        [oldN](double v) { return oldN + v > kMaxVariables ? kMaxVariablesText : nullptr; }, a))
        return;
    const std::vector<RowTexts> rows = constraintRowTexts();
    StoreInputScreen();
    lp.intVariableCount = oldN + static_cast<int>(a);
    BuildInputScreen();
    restoreRowTexts(rows, [](int i) { return i; });
}

void DeleteVariable() {
    auto& lp = qv::S().lp;
    const int m = lp.intConstraintCount, n = lp.intVariableCount;
    if (n <= 1) return minimumCapacity("variable");
    const std::vector<RowTexts> rows = constraintRowTexts();
    int k = 0;
    while (k == 0) {
        const std::string answer = pf::InputBox("Enter the Name of the Variable to Delete:", "Delete Variable", "");
        if (answer.empty()) {
            frmMenu().SetFocus();
            return;
        }
        StoreInputScreen();
        const std::string name = pf::Trim(answer);
        for (int j = 1; j <= n && k == 0; ++j)
            if (lp.strVariableNames(j) == name) k = j;
        if (k == 0) inputError("The Variable Named " + name + " does not Exist.");
    }
    const int newN = n - 1;
    // Columns after k move one to the left, with their objective coefficient and name.
    pf::Array2<pf::Value> matrix;
    matrix.ReDim(lp.intRowCapacity, lp.intColumnCapacity);
    pf::Array<std::string> names;
    names.ReDim(lp.intColumnCapacity);
    for (int i = 0; i <= m; ++i) {
        if (i > 0) matrix(i, 0) = lp.dblProblemMatrix(i, 0);
        for (int j = 1; j <= newN; ++j) matrix(i, j) = lp.dblProblemMatrix(i, j < k ? j : j + 1);
    }
    for (int j = 1; j <= newN; ++j) names(j) = lp.strVariableNames(j < k ? j : j + 1);
    lp.dblProblemMatrix = matrix;
    lp.strVariableNames = names;
    lp.intVariableCount = newN;
    BuildInputScreen();
    restoreRowTexts(rows, [](int i) { return i; });
}

void ChangeOptimizationType() {
    auto& s = qv::S();
    if (!qv::askOptimizationCriterion()) return;
    const bool maximize = s.strMaximizeObjective == "YES";
    s.lp.intOptimizationType = maximize ? 0 : 1;
    frmLPproblem().lblopttype.Caption(maximize ? "Optimization Type:  Maximize" : "Optimization Type:  Minimize");
}

// ------------------------------------------------------------------ solve

void AskIntegerVariables() {
    qv::S().blnDialogCancelled = true;  // only Solve clears it
    frmIP().Show(pf::vbModal);
}

void RunSolver() {
    const qv::EngineResult r = qv::LP_Engine::Solve();
    switch (r.status) {
        case qv::EngineStatus::Optimal:
            qv::enablePrintItems(true);
            ShowLPSolution();
            return;
        case qv::EngineStatus::ArithmeticFailure:
            // A run-time failure of the solve: the Solve command reports it.
            qv::enablePrintItems(false);
            if (r.message.empty()) throw pf::RuntimeError(r.errorNumber ? r.errorNumber : pf::errOverflow);
            throw pf::RuntimeError(r.errorNumber ? r.errorNumber : pf::errOverflow, r.message);
        default:
            qv::enablePrintItems(false);
            pf::MsgBox(r.message, pf::vbInformation + pf::vbOKOnly, r.title);
            return;
    }
}

}  // namespace QVLP
