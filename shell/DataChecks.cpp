#include "shell/DataChecks.h"

#include "platform/core/Format.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Host.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/SolvingCaption.h"

namespace qv {

bool probabilitySumAccepted(double sum) { return !(sum < 0.9990001 || sum > 1.001); }

std::string markovSumMessage(double sum) {
    return "The sum of the probabilities for the states must equal 1!!!  The probabilities that you "
           "have input sum to " +
           pf::Format(sum, "0.000") + ".  PLEASE REENTER THE PROBABILITIES.";
}

std::string decisionSumMessage(int grid, int count, double sum) {
    std::string text = "The sum of the probabilities for the " + std::to_string(count);
    text += grid == 1 ? " states of nature must equal 1!!!  The probabilities that you have input sum to "
                      : " indicator outcomes must equal 1!!!  The probabilities that you have input sum to ";
    return text + pf::Format(sum, "0.000") + ".";
}

}  // namespace qv

namespace {

pf::Grid* gridOf(const char* window, const std::string& control) {
    pf::Form* f = qv::loadedWindow(window);
    return f ? dynamic_cast<pf::Grid*>(f->control(control)) : nullptr;
}

// Ends the pass at the grid's current cell: the caption back, and the grid takes the
// keyboard, so the next key goes where the user is looking; under a solution the keys
// stay the main window's. The pass has failed.
bool endPassAt(pf::Grid& g, const std::string& saved) {
    qv::showStatusCaption(saved);
    if (pf::frontChildWindow() == &g.owner() && g.canTakeFocus()) g.SetFocus();
    return false;
}

// Ends the pass at one cell it stopped at, selected.
bool stopAt(pf::Grid& g, int row, int col, const std::string& saved) {
    g.SelStartRow(row);
    g.SelEndRow(row);
    g.SelStartCol(col);
    g.SelEndCol(col);
    return endPassAt(g, saved);
}

bool dataInputError(pf::Grid& g, int row, int col, const char* text, const std::string& saved) {
    pf::MsgBox(text, pf::vbCritical + pf::vbOKOnly, "Data Input Error");
    return stopAt(g, row, col, saved);
}

// The validators read the cell being checked as the grid's current one, so the pass
// walks the current cell over the grid; the place the user had is put back when the
// pass is done with the grid, so that the next key goes to the cell the user sees.
class UserPlace {
public:
    explicit UserPlace(pf::Grid& g)
        : g_(g),
          row_(g.Row()),
          col_(g.Col()),
          selStartRow_(g.SelStartRow()),
          selEndRow_(g.SelEndRow()),
          selStartCol_(g.SelStartCol()),
          selEndCol_(g.SelEndCol()),
          topRow_(g.TopRow()),
          leftCol_(g.LeftCol()) {}

    void restore() {
        g_.SelStartRow(selStartRow_);
        g_.SelEndRow(selEndRow_);
        g_.SelStartCol(selStartCol_);
        g_.SelEndCol(selEndCol_);
        g_.Row(row_);
        g_.Col(col_);
        // Only a view the pass scrolled is set back: a grid of one scrolling column
        // scrolls by pixels, which the first column shown does not tell.
        if (g_.TopRow() != topRow_) g_.TopRow(topRow_);
        if (g_.LeftCol() != leftCol_) g_.LeftCol(leftCol_);
    }

private:
    pf::Grid& g_;
    int row_, col_, selStartRow_, selEndRow_, selStartCol_, selEndCol_, topRow_, leftCol_;
};

void makeCurrent(pf::Grid& g, int row, int col) {
    g.Row(row);
    g.Col(col);
}

// What the pass does after a validator's result: go on, or end it (pass failed).
enum class Verdict { Next, Stop, Cancelled };

Verdict afterValidation(int result) {
    qv::SharedState& S = qv::S();
    if (result == 888 && S.blnZeroFillPending) {
        if (pf::MsgBox(qv::kZeroFillText, pf::vbOKCancel + pf::vbExclamation, qv::kZeroFillTitle) != pf::vbOK)
            return Verdict::Cancelled;
        S.blnZeroFillPending = false;
        return Verdict::Next;
    }
    if (result == 999) return Verdict::Stop;
    return Verdict::Next;
}

bool checkLinearProgram(const std::string& saved) {
    pf::Grid* objective = gridOf("frmLPproblem", "Grid(0)");
    pf::Grid* constraints = gridOf("frmLPproblem", "Grid(1)");
    if (objective) {
        UserPlace place(*objective);
        objective->Row(0);
        for (int c = 1; c < objective->Cols(); ++c) {
            objective->Col(c);
            const std::string name = objective->Text();
            if (name.empty())
                return dataInputError(*objective, 0, c, "Variable Name Not Entered.", saved);
            // A problem file keeps one variable per name: two columns of one name would merge.
            for (int k = 1; k < c; ++k)
                if (objective->TextMatrix(0, k) == name) {
                    const std::string text = "Variable Name " + name + " Entered More Than Once.";
                    return dataInputError(*objective, 0, c, text.c_str(), saved);
                }
        }
        place.restore();
    }
    if (constraints) {
        UserPlace place(*constraints);
        const int relation = constraints->Cols() - 2, rhs = constraints->Cols() - 1;
        for (int r = 1; r < constraints->Rows(); ++r) {
            constraints->Row(r);
            constraints->Col(relation);
            const std::string rel = constraints->Text();
            if (rel.empty())
                return dataInputError(*constraints, r, relation, "Relation Not Entered.", saved);
            // Only these three are solved as written ("<=" would be taken for ">").
            if (rel != "<" && rel != "=" && rel != ">")
                return dataInputError(*constraints, r, relation, "Relation is Invalid.  Please enter <, >, or =.",
                                      saved);
            constraints->Col(rhs);
            if (constraints->Text().empty())
                return dataInputError(*constraints, r, rhs, "RHS Value Not Entered.", saved);
        }
        place.restore();
    }
    qv::showStatusCaption(saved);
    return true;
}

bool checkProblemGrid(const std::string& saved) {
    qv::SharedState& S = qv::S();
    const bool markov = S.intCurrentModule == 12;
    pf::Grid* g = gridOf(qv::homeScreenName(S.intCurrentModule), "gridDisplayEdit");
    auto& validate = qv::cellValidators().problemCell;
    if (g) {
        UserPlace place(*g);
        for (int r = 1; r < g->Rows(); ++r) {
            if (markov) S.dblProbabilitySum = 0;
            for (int c = 1; c < g->Cols(); ++c) {
                makeCurrent(*g, r, c);
                std::string text = g->Text();
                int result = 0;
                if (validate) validate(r, c, text, result);
                switch (afterValidation(result)) {
                    case Verdict::Cancelled: return endPassAt(*g, saved);
                    case Verdict::Stop: return stopAt(*g, r, c, saved);
                    case Verdict::Next: break;
                }
                if (markov && (result == 0 || result == 888))
                    S.dblProbabilitySum += S.mk.dblTransitionMatrix(r, c).num();
            }
            if (markov && !qv::probabilitySumAccepted(S.dblProbabilitySum)) {
                pf::MsgBox(qv::markovSumMessage(S.dblProbabilitySum), pf::vbCritical + pf::vbOKOnly, "WARNING");
                return stopAt(*g, r, g->Cols() - 1, saved);
            }
        }
        place.restore();
    }
    qv::showStatusCaption(saved);
    return true;
}

bool checkDecision(const std::string& saved) {
    qv::SharedState& S = qv::S();
    auto& validate = qv::cellValidators().decisionCell;
    for (int gi = 0; gi <= 2; ++gi) {
        if (gi == 1 && S.dec.strStateProbsGiven != "YES") continue;
        if (gi == 2 && S.dec.strStrategyRequested != "YES") continue;
        pf::Grid* g = gridOf("frmDecisionProblem", "Grid(" + std::to_string(gi) + ")");
        if (!g) continue;
        UserPlace place(*g);
        // The state probabilities are one row of values in grid row 0, row 1 to the validator.
        const int first = 1, last = gi == 1 ? 1 : g->Rows() - 1;
        for (int r = first; r <= last; ++r) {
            const int gridRow = gi == 1 ? 0 : r;
            S.dblProbabilitySum = 0;
            for (int c = 1; c < g->Cols(); ++c) {
                makeCurrent(*g, gridRow, c);
                std::string text = g->Text();
                int result = 0;
                if (validate) validate(r, c, text, gi, result);
                switch (afterValidation(result)) {
                    case Verdict::Cancelled: return endPassAt(*g, saved);
                    case Verdict::Stop: return stopAt(*g, gridRow, c, saved);
                    case Verdict::Next: break;
                }
                if (gi == 1) S.dblProbabilitySum += S.dec.dblStateProbabilities(c).num();
                if (gi == 2) S.dblProbabilitySum += S.dec.dblIndicatorGivenStateTable(r, c).num();
            }
            if (gi != 0 && !qv::probabilitySumAccepted(S.dblProbabilitySum)) {
                const int count = gi == 1 ? S.dec.intNatureStateCount : S.dec.intIndicatorCount;
                pf::MsgBox(qv::decisionSumMessage(gi, count, S.dblProbabilitySum), pf::vbCritical + pf::vbOKOnly,
                           "WARNING");
                return stopAt(*g, gridRow, g->Cols() - 1, saved);
            }
        }
        place.restore();
    }
    qv::showStatusCaption(saved);
    return true;
}

}  // namespace

bool FrmMenu::CheckProblemData() {
    qv::SharedState& S = qv::S();
    S.blnZeroFillPending = true;
    const std::string saved = lblmoduleindicator.Caption();
    switch (S.intCurrentModule) {
        case 1:
        case 4:
            qv::showStatusCaption(qv::kCheckingCaption);
            return checkLinearProgram(saved);
        case 2: case 3: case 5: case 6: case 11: case 12:
            qv::showStatusCaption(qv::kCheckingCaption);
            return checkProblemGrid(saved);
        case 10:
            qv::showStatusCaption(qv::kCheckingCaption);
            return checkDecision(saved);
        default:
            return true;  // PERT/CPM, inventory and waiting lines check as they are typed
    }
}
