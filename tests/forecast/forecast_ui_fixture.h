#pragma once
// Tests of the forecasting windows start with the main window, no chooser, the
// forecasting module current and no answers queued; every queued answer must be used.
#include <gtest/gtest.h>

#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "tests/ui_test_support.h"

namespace fctest {

inline pf::ScriptedHost& h() { return pf::scriptedHost(); }

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
