#include "transport/QVTanda.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/MenuState.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"
#include "shell/frmSolution.h"
#include "shell/frmTransObj.h"
#include "shell/frmUserInput.h"
#include "shell/qverror.h"
#include "transport/core/TransportModel.h"
#include "transport/core/TransportSolution.h"
#include "transport/core/taengine.h"
#include "transport/frmErrorMsg.h"
#include "shell/SolvingCaption.h"

namespace QVTanda {

namespace {

constexpr const char* kDataInputError = "Data Input Error";
constexpr int kAccepted = 0;
constexpr int kEmptyZeroFilled = 888;
constexpr int kRejected = 999;

qv::SharedState& St() { return qv::S(); }
bool transportation() { return qv::isTransportation(St()); }

pf::MenuItem& editItem(int k) { return (*frmMenu().mnudispeditsubs)(k); }

void inputError(const char* message) { pf::MsgBox(message, pf::vbCritical + pf::vbOKOnly, kDataInputError); }

// Value of the comma-free text the numeric-entry check left; false when its digits
// do not fit a double.
bool enteredValue(double& v) { return pf::TryValLeading(St().strNumericText, v); }

void runNumericCheck(const std::string& text) {
    St().strNumericText = text;
    tanumchk::CheckNumericText();
}

int emptyCellResult() { return St().blnZeroFillPending ? kEmptyZeroFilled : kAccepted; }

// frmErrorMsg with its nine lines, modal; the grid skips its focus-loss check meanwhile.
void showTooLarge(const std::string& kind, const std::string& valueLine, const std::string& example) {
    FrmErrorMsg& w = frmErrorMsg();
    const std::string module = transportation() ? "transportation" : "assignment";
    const std::string lines[FrmErrorMsg::kLines] = {
        "WARNING:  YOUR " + kind + " VALUE IS TOO LARGE!!!",
        "This module is designed to handle " + module + " cost/revenue values ",
        "up to one million (1000000).",
        valueLine,
        "Rescale the data so that",
        "     1.  all data are less than 1000000 and",
        "     2.  the rescaled data do not require more than two decimal places.",
        example,
        "Please rescale your cost/revenue data and reenter the problem.",
    };
    for (int i : {0, 1, 2, 3, 8, 4, 5, 6, 7}) w.lbl[static_cast<std::size_t>(i)]->Caption(lines[i]);
    // The cell being checked gets the focus back when the window closes.
    pf::Control* field = pf::focusedControl();
    St().blnErrorWindowOpen = true;
    try {
        w.Show(pf::vbModal);
    } catch (...) {
        St().blnErrorWindowOpen = false;
        throw;
    }
    St().blnErrorWindowOpen = false;
    if (field && pf::focusedControl() != field && field->canTakeFocus()) field->SetFocus();
}

void raiseDecimals(double cost) {
    auto& dp = St().intDecimalPlaces;
    if (std::fabs(cost - std::floor(cost)) >= 0.0095) {
        if (dp.num() < 1) dp = 1;
        if (std::fabs(10 * cost - std::floor(10 * cost)) >= 0.095) dp = 2;
    }
}

// Wide enough for the widest value a cell takes, "-999999.99", in the faces used;
// the caption above spans as many twips per column.
constexpr int kValueColumnWidth = 930;

// The text a tableau cell shows for a stored value: never an exponent.
std::string valueText(double v) { return pf::EntryNumber(v); }

std::string infoText(int m, int n) {
    const std::string dims = std::to_string(m) + " and columns 1-" + std::to_string(n);
    if (transportation())
        return "Enter/Edit data:  Supply data in last column; Demand data in last row; Cost/Revenue data in rows 1-" +
               dims +
               "  NOTE: If an origin-destination combination is unacceptable, enter a relatively large cost in a "
               "minimization problem or enter a relatively small revenue in a maximization problem.";
    return "Enter/Edit data:  Cost/Revenue data in rows 1-" + dims +
           "  NOTE: If an agent-task combination is unacceptable, enter a relatively large cost in a minimization "
           "problem or enter a relatively small revenue in a maximization problem.";
}

// The layout both tableaux share; `withTotals` adds the supply column and demand row.
void buildTableau(bool withTotals) {
    auto& s = St();
    auto& t = s.tr;
    pf::SetBusyCursor(true);
    try {
        FrmProblem& f = frmProblem();
        pf::Grid& g = f.gridDisplayEdit;
        const int m = t.intOriginCount, n = t.intDestinationCount;
        if (!withTotals) {
            for (int v = 1; v <= m; ++v) t.lngNodeSupplies(v) = 1;
            for (int v = m + 1; v <= m + n; ++v) t.lngNodeSupplies(v) = -1;
        }
        long colour = f.BackColor();
        f.BackColor(QVCommon::PaletteColor(colour));

        f.lblInfo.Visible(true);
        f.lblTitle.Visible(true);
        f.lblgridcaption.Visible(true);
        f.lblTitle.Caption(withTotals ? "TRANSPORTATION TABLEAU" : "ASSIGNMENT TABLEAU");
        f.lblInfo.Caption(infoText(m, n));
        if (n >= 2 && n <= 14) f.lblgridcaption.Width(930 * n);
        f.lblgridcaption.Caption(withTotals ? "Destination" : "Task");

        const int extra = withTotals ? 2 : 1;
        g.Rows(m + extra);
        g.FixedRows(1);
        g.Cols(n + extra);
        g.FixedCols(1);
        g.HighLight(true);
        g.ColWidth(0, 1150);
        for (int c = 1; c < g.Cols(); ++c) {
            g.ColWidth(c, kValueColumnWidth);
            g.ColAlignment(c, 1);
        }
        g.Height(g.Rows() - 1 < 18 ? 5800 : 8655);

        const bool blank = s.blnNewProblem;
        g.TextMatrix(0, 0, withTotals ? "Origin" : "Agent");
        if (withTotals) {
            g.TextMatrix(0, n + 1, "Supply");
            g.TextMatrix(m + 1, 0, "Demand");
            g.TextMatrix(g.Rows() - 1, g.Cols() - 1, "***********");
        }
        for (s.intTableauRow = 1; s.intTableauRow <= m; ++s.intTableauRow) {
            const int i = s.intTableauRow;
            const bool newRow = t.blnAddingOrigin && i == m;
            g.TextMatrix(i, 0, std::to_string(i));
            for (int j = 1; j <= n; ++j) {
                g.TextMatrix(0, j, std::to_string(j));
                const bool empty = blank || newRow || (t.blnAddingDestination && j == n);
                g.TextMatrix(i, j, empty ? std::string() : valueText(t.dblArcCosts(qv::arcIndex(i, j, n)).num()));
            }
            if (withTotals)
                g.TextMatrix(i, n + 1, blank || newRow ? std::string() : std::to_string(t.lngNodeSupplies(i)));
        }
        if (withTotals) {
            for (int j = 1; j <= n; ++j) {
                const bool empty = blank || (t.blnAddingDestination && j == n);
                g.TextMatrix(m + 1, j, empty ? std::string() : std::to_string(-t.lngNodeSupplies(m + j)));
            }
        }
        // The last cell written is the current one, as when each cell is written through it.
        g.Row(withTotals ? m + 1 : m);
        g.Col(n);

        f.lblgridcaption.Visible(true);
        g.Visible(true);
        editItem(0).Enabled(false);
        pf::SetBusyCursor(false);
    } catch (const pf::RuntimeError& e) {
        // The layout ends quietly where it failed; the cursor is not left busy.
        pf::SetBusyCursor(false);
        (void)e;
    }
}

}  // namespace

// ------------------------------------------------------------------ model and layout

void DimensionNetwork() { qv::DimensionNetwork(St()); }

void EnableProblemMenus() {
    try {
        St().strProblemEntered = "YES";
        qv::menuEvent(qv::MenuEvent::ProblemLaidOut);
    } catch (const pf::RuntimeError& e) {
        if (e.number() != pf::errObjectAlreadyLoaded) qverror::ReportError(e);
    }
}

void BuildTransportationTableau() { buildTableau(true); }

void BuildAssignmentTableau() { buildTableau(false); }

void RebuildAfterRead() {
    qv::RequireSolvableModel(St());
    EnableProblemMenus();
    if (transportation())
        BuildTransportationTableau();
    else
        BuildAssignmentTableau();
}

void NewProblem() {
    auto& s = St();
    try {
        s.intDecimalPlaces = 0;
        s.blnDialogCancelled = true;  // only OK clears it
        if (!qv::askDimensions()) return;
        s.strProblemEntered = "NO";
        DimensionNetwork();
        EnableProblemMenus();
        if (transportation())
            BuildTransportationTableau();
        else
            BuildAssignmentTableau();
        editItem(0).Enabled(false);
        qv::focusLaidOutGrid(frmProblem(), s.blnNewProblem);
    } catch (const pf::RuntimeError& e) {
        qverror::ReportError(e);
    }
}

// ------------------------------------------------------------------ cell checks

int CheckCostCell(int i, int j, const std::string& text) {
    auto& s = St();
    auto& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    const long k = qv::arcIndex(i, j, n);
    runNumericCheck(text);
    auto store = [&](double cost) {
        t.lngArcTails(k) = i;
        t.intArcHeads(k) = m + j;
        t.dblArcCosts(k) = cost;
    };
    if (s.blnNumericTextEmpty) {
        store(0);
        return emptyCellResult();
    }
    bool rejected = false;
    if (s.strNumericOK == "NO") {
        s.strNumericOK = "YES";
        inputError("The Cost/Revenue Must Be A Number.");
        rejected = true;
    } else {
        double v = 0;
        // Digits beyond the double range are a value far too large as well.
        if (!enteredValue(v) || std::fabs(v) >= qv::kTransportValueLimit) {
            showTooLarge("COST/REVENUE", "Your cost/revenue value of " + text + " is too large.",
                         "For example, a cost of 2520000 could be rescaled to 2.52");
            rejected = true;
        } else {
            store(v);
            raiseDecimals(v);
        }
    }
    if (!rejected) return kAccepted;
    pf::Grid& g = frmProblem().gridDisplayEdit;
    g.SelStartRow(i);
    g.SelStartCol(j);
    return kRejected;
}

namespace {

// Supply (origin node i) and demand (node m + j): whole numbers from 0 to 999,999,
// judged on the value before anything is stored.
int checkNodeCell(int node, const std::string& text, bool supply) {
    auto& s = St();
    auto& t = s.tr;
    runNumericCheck(text);
    if (s.blnNumericTextEmpty) {
        t.lngNodeSupplies(node) = 0;
        return emptyCellResult();
    }
    double v = 0;
    bool rejected = true;
    if (s.strNumericOK == "NO" || s.strDecimalPointSeen == "YES" || !enteredValue(v)) {
        tanumchk::ResetVerdicts();
        inputError(supply ? "Supply Must Have A Numeric Value." : "DEMAND Must Have A Numeric Value.");
    } else if (v >= qv::kTransportValueLimit) {
        ShowSupplyDemandTooLarge(v);
    } else if (v < 0) {
        inputError(supply ? "SUPPLY CANNOT BE NEGATIVE." : "NOTE:  DEMAND CANNOT BE NEGATIVE.");
    } else {
        const auto whole = static_cast<std::int32_t>(std::floor(v + 0.5));
        t.lngNodeSupplies(node) = supply ? whole : -whole;
        rejected = false;
    }
    if (!rejected) return kAccepted;
    pf::Grid& g = frmProblem().gridDisplayEdit;
    if (supply)
        g.SelStartRow(node);
    else
        g.SelStartCol(node - t.intOriginCount);
    return kRejected;
}

}  // namespace

int CheckSupplyCell(int i, const std::string& text) { return checkNodeCell(i, text, true); }

int CheckDemandCell(int k, const std::string& text) { return checkNodeCell(k, text, false); }

void ShowSupplyDemandTooLarge(double value) {
    showTooLarge("SUPPLY/DEMAND", "Your supply/demand value of " + pf::EntryNumber(value) + " is too large.",
                 "For example, a supply of 2520000 could be rescaled to 2.52");
}

// ------------------------------------------------------------------ Edit operations

namespace {

// The model reshaped: node values and costs of the new counts from the old ones
// (oldNode(v) / oldArc(k): the index before, 0 for a new entry), the real arcs
// numbered again, and the tableau rebuilt.
void reshape(int newM, int newN, const std::function<int(int)>& oldNode, const std::function<long(long)>& oldArc) {
    auto& s = St();
    auto& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    std::vector<std::int32_t> nodes(static_cast<std::size_t>(m + n) + 1, 0);
    std::vector<double> costs(static_cast<std::size_t>(m) * n + 1, 0);
    for (int v = 1; v <= m + n; ++v) nodes[static_cast<std::size_t>(v)] = t.lngNodeSupplies(v);
    for (long k = 1; k <= static_cast<long>(m) * n; ++k) costs[static_cast<std::size_t>(k)] = t.dblArcCosts(k).num();

    t.intOriginCount = newM;
    t.intDestinationCount = newN;
    qv::DimensionNetwork(s);
    for (int v = 1; v <= newM + newN; ++v) {
        if (!transportation()) {
            t.lngNodeSupplies(v) = v <= newM ? 1 : -1;
        } else if (const int from = oldNode(v)) {
            t.lngNodeSupplies(v) = nodes[static_cast<std::size_t>(from)];
        }
    }
    for (long k = 1; k <= static_cast<long>(newM) * newN; ++k)
        if (const long from = oldArc(k)) t.dblArcCosts(k) = costs[static_cast<std::size_t>(from)];
    long k = 0;
    for (s.intTableauRow = 1; s.intTableauRow <= newM; ++s.intTableauRow)
        for (int j = 1; j <= newN; ++j) {
            ++k;
            t.lngArcTails(k) = s.intTableauRow;
            t.intArcHeads(k) = newM + j;
        }
    if (transportation())
        BuildTransportationTableau();
    else
        BuildAssignmentTableau();
    pf::SetBusyCursor(false);
}

void hideTableau() {
    FrmProblem& f = frmProblem();
    f.gridDisplayEdit.Visible(false);
    f.lblgridcaption.Visible(false);
    pf::SetBusyCursor(true);
}

void showTableauAgain() {
    FrmProblem& f = frmProblem();
    f.gridDisplayEdit.Visible(true);
    f.lblgridcaption.Visible(true);
    pf::SetBusyCursor(false);
}

// Asks the number of the row or column to delete until one lies in 1..count; false
// (nothing changed, the tableau shown) on an empty answer.
bool askDeleteNumber(const char* prompt, const char* title, const char* rangeText, int count, int& number) {
    bool hidden = false;
    for (;;) {
        const std::string answer = pf::InputBox(prompt, title, "");
        if (answer.empty()) {
            if (hidden) showTableauAgain();
            return false;
        }
        if (!hidden) {
            hideTableau();
            hidden = true;
        }
        if (DeleteNumber(answer, count, number)) return true;
        pf::MsgBox(rangeText + std::to_string(count), pf::vbCritical + pf::vbOKOnly, kDataInputError);
    }
}

// The flag of an add operation holds only during its rebuild, also when it fails.
struct AddingFlag {
    explicit AddingFlag(bool& f) : flag(f) { flag = true; }
    ~AddingFlag() { flag = false; }
    AddingFlag(const AddingFlag&) = delete;
    AddingFlag& operator=(const AddingFlag&) = delete;
    bool& flag;
};

}  // namespace

bool DeleteNumber(const std::string& answer, int count, int& number) {
    double v = 0;
    if (!pf::TryValLeading(pf::LTrim(answer), v)) return false;  // beyond any double: out of range
    const double d = pf::RoundHalfEven(v);
    if (!(d >= 1 && d <= count)) return false;
    number = static_cast<int>(d);
    return true;
}

void AddOrigin() {
    auto& t = St().tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    AddingFlag adding(t.blnAddingOrigin);
    hideTableau();
    reshape(
        m + 1, n, [m](int v) { return v <= m ? v : v == m + 1 ? 0 : v - 1; },
        [m, n](long k) { return k <= static_cast<long>(m) * n ? k : 0L; });
}

void AddDestination() {
    auto& t = St().tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    AddingFlag adding(t.blnAddingDestination);
    hideTableau();
    reshape(
        m, n + 1, [m, n](int v) { return v <= m + n ? v : 0; },
        [n](long k) { return k % (n + 1) == 0 ? 0L : k - k / (n + 1); });
}

void DeleteOrigin() {
    auto& t = St().tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    const bool tr = transportation();
    int d = 0;
    if (!askDeleteNumber(tr ? "Enter the number of the ORIGIN to Delete:" : "Enter the number of the AGENT to Delete:",
                         tr ? "Delete an Origin" : "Delete an Agent", "You May Only Enter A Value Between 1 and ", m, d))
        return;
    reshape(
        m - 1, n, [d](int v) { return v < d ? v : v + 1; },
        [d, n](long k) { return k <= static_cast<long>(d - 1) * n ? k : k + n; });
}

void DeleteDestination() {
    auto& t = St().tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    const bool tr = transportation();
    int d = 0;
    if (!askDeleteNumber(tr ? "Enter the number of the DESTINATION to Delete:" : "Enter the number of the TASK to Delete:",
                         tr ? "Delete a Destination" : "Delete a Task", "You may only enter a value between 1 and ", n,
                         d))
        return;
    // New arc (i, j) of n - 1 columns was arc (i, j) or (i, j + 1) of n.
    reshape(
        m, n - 1, [m, d](int v) { return v < m + d ? v : v + 1; },
        [n, d](long k) {
            const long i = (k - 1) / (n - 1) + 1, j = (k - 1) % (n - 1) + 1;
            return (i - 1) * n + (j < d ? j : j + 1);
        });
}

void ShowMaximumCapacity() {
    const bool origins = St().strEditAction == "Add Origin or Agent";
    const char* noun = origins ? (transportation() ? "origins " : "agents ")
                               : (transportation() ? "destinations " : "tasks ");
    pf::MsgBox(std::string("There are currently 30 ") + noun + "in this problem.  This is the maximum allowed.",
               pf::vbExclamation + pf::vbOKOnly, "Maximum Capacity");
}

void ShowMinimumCapacity() {
    const bool origins = St().strEditAction == "Delete Origin or Agent";
    const char* noun = origins ? (transportation() ? "origin " : "agent ")
                               : (transportation() ? "destination " : "task ");
    pf::MsgBox(std::string("There is currently 1 ") + noun + "in this problem.  This is the minimum allowed.",
               pf::vbExclamation + pf::vbOKOnly, "Minimum Capacity");
}

// ------------------------------------------------------------------ solve

void SolveProblem() {
    if (!qv::askOptimizationCriterion()) return;
    FrmMenu& menu = frmMenu();
    const std::string caption = menu.lblmoduleindicator.Caption();
    qv::showStatusCaption(qv::kSolvingCaption);
    editItem(0).Enabled(true);
    editItem(2).Enabled(false);
    pf::SetBusyCursor(true);
    taengine::SolveTransportNetwork();
    if (transportation())
        transout::ShowTransportationSolution();
    else
        AssnOut::ShowAssignmentSolution();
    qv::enablePrintItems(true);
    qv::showStatusCaption(caption);
    pf::SetBusyCursor(false);
}

}  // namespace QVTanda

namespace {

void showLines(const char* title, const std::vector<std::string>& lines) {
    FrmSolution& w = frmSolution();
    w.setTitle(title);
    w.startLines(lines.front());
    for (std::size_t k = 1; k < lines.size(); ++k) w.addLine(lines[k]);
    w.showSolution();
}

}  // namespace

namespace transout {

void ShowTransportationSolution() {
    try {
        qv::SharedState& s = qv::S();
        const std::string warning = InsufficientSupplyText(s);
        if (!warning.empty()) pf::MsgBox(warning, pf::vbInformation + pf::vbOKOnly, kInsufficientSupplyTitle);
        showLines("Optimal Transportation Schedule", BuildTransportationLines(s));
    } catch (const pf::RuntimeError& e) {
        qverror::ReportError(e);
    }
}

}  // namespace transout

namespace AssnOut {

void ShowAssignmentSolution() {
    try {
        showLines("Optimal Assignment Schedule", BuildAssignmentLines(qv::S()));
    } catch (const pf::RuntimeError& e) {
        qverror::ReportError(e);
    }
}

}  // namespace AssnOut
