#pragma once
// The procedures of the forecasting module over the shared state and the grid window:
// the time series and its grid, the Edit-menu operations on periods, and the solve
// with its method dialog. The computations and the lines they give are Qt-free
// (forecast/core/).
#include "forecast/core/Forecasting.h"

namespace QVForecasting {

// File New: asks the number of periods and lays out an empty series on OK.
void NewForecastingProblem();
// Sizes the series anew, every element empty (also before a file is read).
void InitTimeSeriesArray();
// Lays out frmProblem's grid from the series (a new problem: empty values).
void BuildTimeSeriesGrid();

// Edit items 3 and 4: empty periods at the end, periods off the beginning.
void AddTimePeriods();
void DeleteTimePeriods();

// Solve: the method dialog, then the method's computation and the solution window.
void SolveForecasting();

// The report of the last solve on the shared state (the computation is in
// forecast/core/Forecasting.h).
void PrintForecastingSolution(pf::ReportSink& sink);

}  // namespace QVForecasting
