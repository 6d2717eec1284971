#pragma once
// The procedures of the shortest-route and spanning-tree modules over the shared
// state and the shell's windows: a new problem, the menus and the arc grid after a
// problem is laid out, and the solve with its node dialog, window and warnings. The
// computation, the window lines and the reports are Qt-free (network/core/).
#include "network/core/NetworkReport.h"
#include "network/core/NetworkSolver.h"

namespace qvhrtrt {

// File New: asks the counts; on OK re-creates the block and lays out an empty grid.
void NewNetworkProblem();
// The problem counts as entered; menus for editing and solving.
void EnableNetworkMenus();
// The arc grid in frmProblem: empty for a new problem, else from lngNetworkArcs.
void BuildNetworkInputGrid();
// Solution Solve: the shortest route between two nodes asked now, or the minimal
// spanning tree, by strProblemType.
void SolveNetwork();

}  // namespace qvhrtrt
