// The solve procedure: the method dialog's answer solved, the lines in the solution
// window, and the warnings shown after the window or instead of it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forecast/QVForecasting.h"
#include "forecast/frmForecastingModels.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmSolution.h"
#include "tests/ui_test_support.h"

namespace {

// Notes whether the solution window was on the screen when each message box came.
class WatchingHost : public pf::ScriptedHost {
public:
    std::vector<bool> windowShownAtMessage;
    int messageBox(const std::string& text, int style, const std::string& title) override {
        pf::Form* w = pf::forms::find("frmSolution");
        windowShownAtMessage.push_back(w && w->Visible());
        return ScriptedHost::messageBox(text, style, title);
    }
};

class SolveWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto owned = std::make_unique<WatchingHost>();
        host_ = owned.get();
        pf::setHost(std::move(owned));
        qvtest::resetProgram();
        frmMenu();
        pf::Unload<FrmModuleSelection>();
        qv::S().intCurrentModule = 11;
    }
    void TearDown() override {
        EXPECT_TRUE(host_->allAnswersUsed());
        pf::unloadAll();
        pf::setHost(std::make_unique<pf::ScriptedHost>());
    }
    void series(const std::vector<double>& values) {
        auto& s = qv::S();
        s.fc.dblTimeSeries.ReDim(112, 1);
        s.fc.intPeriodCount = static_cast<int>(values.size());
        for (std::size_t t = 0; t < values.size(); ++t) s.fc.dblTimeSeries(static_cast<long>(t) + 1, 1) = values[t];
    }
    // Solve with the dialog answered (option, first and second box); a warning the
    // solve shows afterwards gets OK.
    void solve(int option, const std::string& first, const std::string& second = "", bool warning = false) {
        host_->expectModal("frmForecastingModels", [=](pf::Form& f) {
            auto& d = static_cast<FrmForecastingModels&>(f);
            d.Option1[static_cast<std::size_t>(option)]->userClick();
            d.txtValue[0]->Text(first);
            d.txtValue[1]->Text(second);
            d.CmdSolve.userClick();
        });
        if (warning) host_->expectMessage(pf::vbOK);
        QVForecasting::SolveForecasting();
        pf::collectUnloaded();
    }
    WatchingHost* host_ = nullptr;
};

TEST_F(SolveWindowTest, LinesGoIntoTheWindowBelowAHiddenTitle) {
    series({10, 12, 14});
    solve(0, "2");
    ASSERT_TRUE(pf::isLoaded<FrmSolution>());
    FrmSolution& w = frmSolution();
    EXPECT_TRUE(w.Visible());
    EXPECT_FALSE(w.titleShown());
    EXPECT_EQ(w.gridSolution.Top(), FrmSolution::kGridTop);
    EXPECT_EQ(w.gridSolution.FontName(), "Courier");
    EXPECT_EQ(w.gridSolution.ColWidth(0), 9255);
    const std::vector<std::string> lines = w.lines();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines.front(), "Forecasting Solution");
    EXPECT_EQ(lines.back(), "     THE FORECAST FOR PERIOD 4            13.00");
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
    EXPECT_TRUE(host_->windowShownAtMessage.empty());
}

TEST_F(SolveWindowTest, ZeroIndexWarningComesAfterTheWindow) {
    series({0, 10, 0, 10});
    solve(3, "2", "1", true);
    ASSERT_EQ(host_->windowShownAtMessage, std::vector<bool>{true});
    EXPECT_EQ(host_->transcript.back(),
              "MSGBOX \"WARNING!\" information OK \"1 seasonal index is zero.  The data cannot be deseasonalized "
              "for this season.  We suggest that you remove this seasons from your time series and develop "
              "forecasts based on the  1 nonzero seasons.\" -> OK");
    EXPECT_EQ(frmSolution().lines().size(), 10u);
    EXPECT_EQ(qv::S().fc.strZeroSeasonalIndex, "YES");
}

TEST_F(SolveWindowTest, IndexesSummingToZeroShowNoWindow) {
    series({0, 0, 0, 0});
    solve(3, "2", "1", true);
    ASSERT_EQ(host_->windowShownAtMessage, std::vector<bool>{false});
    EXPECT_EQ(host_->transcript.back(),
              "MSGBOX \"WARNING!\" information OK \"The seasonal indexes sum to zero.  The data cannot be "
              "deseasonalized.\" -> OK");
    EXPECT_FALSE(pf::isLoaded<FrmSolution>());
}

}  // namespace
