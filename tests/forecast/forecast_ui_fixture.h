#pragma once
// Tests of the forecasting windows start with the main window, no chooser, the
// forecasting module current and no answers queued; every queued answer must be used.
#include <gtest/gtest.h>

#include <initializer_list>

#include "forecast/QVForecasting.h"
#include "platform/ui/Grid.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "tests/ui_test_support.h"

namespace fctest {

inline pf::ScriptedHost& h() { return pf::scriptedHost(); }

// A stored series laid out in the grid window as Open leaves it.
inline pf::Grid& layOutSeries(std::initializer_list<double> values) {
    auto& s = qv::S();
    QVForecasting::InitTimeSeriesArray();
    int t = 0;
    for (double v : values) s.fc.dblTimeSeries(++t, 1) = v;
    s.fc.intPeriodCount = t;
    s.blnNewProblem = false;
    QVForecasting::BuildTimeSeriesGrid();
    return frmProblem().gridDisplayEdit;
}

class ForecastWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        frmMenu();
        pf::Unload<FrmModuleSelection>();
        qv::S().intCurrentModule = 11;
    }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }
};

}  // namespace fctest
