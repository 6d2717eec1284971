#pragma once
// The shared problem state: one program-wide instance that every procedure reads
// and writes by the names the design gives. Windows hold no data of their own.
#include <cstdint>
#include <string>

#include "decision/core/DecisionBlock.h"
#include "forecast/core/ForecastBlock.h"
#include "inventory/core/InventoryBlock.h"
#include "lp/core/LPBlock.h"
#include "markov/core/MarkovBlock.h"
#include "network/core/NetworkBlock.h"
#include "network/core/PertBlock.h"
#include "platform/core/Array.h"
#include "platform/core/Value.h"
#include "transport/core/TransportBlock.h"
#include "waiting/core/WaitingBlock.h"

namespace qv {

// Flags are bool here (true stands for the design's -1); text flags are the
// strings "YES" / "NO" and start empty, which counts as the opposite of the word tested.
struct SharedState {
    int intCurrentModule = 0;
    std::string strProblemType;
    std::string strProblemFileExt;
    std::string strProblemFolder;
    std::string strProblemFileName;
    std::string strProblemEntered;
    bool blnNewProblem = false;
    bool blnDialogCancelled = false;
    bool blnZeroFillPending = false;
    bool blnEditInProgress = false;
    std::string strEditAction;
    int intIntegerLP = 0;
    std::string strReportTarget;
    pf::Value intDecimalPlaces;
    std::string strMaximizeObjective;

    // Numeric-entry check.
    std::string strNumericText;
    std::string strNumericOK;
    std::string strDecimalPointSeen;
    bool blnNumericTextEmpty = false;

    // Grid-editing state.
    std::string strCellBuffer;
    bool blnTypingStarted = false;
    pf::Value intEditRow;
    int intEditCol = 0;
    bool blnCellEdited = false;
    int intEditGridIndex = 0;
    // The layout of the grid the cell was typed into (pf::Grid::Layout()): a grid laid
    // out since, or any other grid, holds no record of it.
    std::uint64_t editGridLayout = 0;
    bool blnErrorWindowOpen = false;
    bool blnSuppressLastRowBeep = false;

    double dblProbabilitySum = 0;

    // Storage that two modules share, each with its own meaning.
    int intArcCount = 0;
    int intNodeCount = 0;
    double dblCostPerUnit = 0;
    // Waiting lines use column 0 (P(n) for n = 0..200); Markov processes the whole table.
    pf::Array2<double> dblProbabilityTable;
    pf::Value varUnitCost, varProductionRate, varDemandDistribution, varUniformLow,
        varUniformHigh, varMaxBackorders, varCycleTime;
    int intTableauRow = 0;

    // The production lot size form's last button (Save or Solve), for its launcher.
    bool blnSavePressed = false;
    bool blnSolvePressed = false;

    // Module blocks.
    LPBlock lp;
    TransportBlock tr;
    NetworkBlock net;
    PertBlock pert;
    InventoryBlock inv;
    WaitingBlock wl;
    DecisionBlock dec;
    ForecastBlock fc;
    MarkovBlock mk;
};

SharedState& S();
// Back to the initial state (start of the program; tests).
void resetState();

}  // namespace qv
