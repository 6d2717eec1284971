// The method dialog: what Solve stores for each method and answer, what it refuses,
// and how its captions and Cancel behave.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>

#include <string>

#include "forecast/QVForecasting.h"
#include "forecast/frmForecastingModels.h"
#include "shell/frmSolution.h"
#include "tests/forecast/forecast_ui_fixture.h"

namespace {

using fctest::h;
class MethodDialogTest : public fctest::ForecastWindowTest {};

TEST_F(MethodDialogTest, SolveStoresTheParametersOfTheChosenMethodOnly) {
    struct Case {
        int periods;
        int option;  // 0..3
        const char* first;
        const char* second;
        const char* message;  // nullptr: accepted
        const char* parameter;  // strMethodParameter afterwards ("old" untouched)
        const char* future;     // strFuturePeriods afterwards
    } cases[] = {
        {9, 0, "3", "7", nullptr, "3", "old"},
        {2, 0, "1", "", nullptr, "1", "old"},
        {3, 0, "3", "", "NOTE:  THE NUMBER OF PERIODS MUST BE BETWEEN 1 AND 2", "old", "old"},
        {9, 0, "1E400", "", "NOTE:  THE NUMBER OF PERIODS MUST BE AN INTEGER VALUE.", "old", "old"},
        {9, 3, "2", "-1E400", "NOTE:  THE NUMBER OF PERIODS MUST BE AN INTEGER VALUE ", "2", "old"},
        {9, 0, "4 periods", "", nullptr, "4 periods", "old"},
        {9, 1, "0.50", "", nullptr, "0.50", "old"},
        {9, 1, "0", "", nullptr, "0", "old"},
        {9, 1, "1", "", nullptr, "1", "old"},
        {9, 1, "0,5", "", "NOTE:  THE VALUE OF THE SMOOTHING CONSTANT MUST BE BETWEEN 0 AND 1.", "05", "old"},
        {9, 1, "1.5", "", "NOTE:  THE VALUE OF THE SMOOTHING CONSTANT MUST BE BETWEEN 0 AND 1.", "1.5", "old"},
        {9, 1, ".5E0", "", "NOTE:  THE VALUE OF THE SMOOTHING CONSTANT MUST BE BETWEEN 0 AND 1.", "old", "old"},
        {9, 2, "12", "", nullptr, "old", "12"},
        {2, 2, "1", "", nullptr, "old", "1"},
        {1, 2, "1", "", "NOTE:  TREND PROJECTION NEEDS AT LEAST 2 TIME PERIODS.", "old", "old"},
        {9, 3, "4", "0", nullptr, "4", "0"},
        {9, 3, "4", "", nullptr, "4", ""},
        {9, 3, "2", "-3", nullptr, "2", "-3"},
        {9, 3, "4", "5", "NOTE:  THE NUMBER OF FORECAST PERIODS MUST BE LESS THAN OR EQUAL TO THE NUMBER OF SEASONS.",
         "4", "old"},
        {9, 3, "0", "0", "NOTE:  THE NUMBER OF SEASONS MUST BE AT LEAST 1.", "old", "old"},
        {100, 3, "12", "12", nullptr, "12", "12"},
        {100, 3, "13", "1", "NOTE:  THE NUMBER OF SEASONS CANNOT BE GREATER THAN 12", "old", "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("option ") + std::to_string(c.option) + " \"" + c.first + "\" \"" + c.second +
                     "\" T=" + std::to_string(c.periods));
        auto& s = qv::S();
        s.fc.intPeriodCount = c.periods;
        s.fc.intForecastMethod = 0;
        s.fc.strMethodParameter = "old";
        s.fc.strFuturePeriods = "old";
        s.blnDialogCancelled = true;
        h().transcript.clear();
        FrmForecastingModels& d = frmForecastingModels();
        d.Option1[static_cast<std::size_t>(c.option)]->Value(true);
        d.txtValue[0]->Text(c.first);
        d.txtValue[1]->Text(c.second);
        if (c.message) h().expectMessage(pf::vbOK);
        d.CmdSolve_Click();
        EXPECT_EQ(s.fc.intForecastMethod, c.option + 1);
        EXPECT_EQ(s.fc.strMethodParameter, c.parameter);
        EXPECT_EQ(s.fc.strFuturePeriods, c.future);
        if (c.message) {
            ASSERT_EQ(h().transcript.size(), 1u);
            EXPECT_EQ(h().transcript[0], std::string("MSGBOX \"Data Input Error\" critical OK \"") + c.message + "\" -> OK");
            EXPECT_TRUE(s.blnDialogCancelled);
            EXPECT_TRUE(pf::isLoaded<FrmForecastingModels>());
            pf::Unload<FrmForecastingModels>();
        } else {
            EXPECT_TRUE(h().transcript.empty());
            EXPECT_FALSE(s.blnDialogCancelled);
            EXPECT_FALSE(pf::isLoaded<FrmForecastingModels>());
        }
        pf::collectUnloaded();
    }
}

TEST_F(MethodDialogTest, NoMethodChosenIsRefusedWhateverTheLastSolveUsed) {
    auto& s = qv::S();
    s.fc.intPeriodCount = 9;
    s.fc.intForecastMethod = 2;
    s.fc.strMethodParameter = "0.3";
    frmMenu().lblmoduleindicator.Caption("Forecasting Module");
    FrmForecastingModels& d = frmForecastingModels();
    h().expectMessage(pf::vbOK);
    d.CmdSolve_Click();
    ASSERT_EQ(h().transcript.size(), 1u);
    EXPECT_EQ(h().transcript[0],
              "MSGBOX \"Data Input Error\" critical OK \"You must select a forecasting method.\" -> OK");
    EXPECT_TRUE(pf::isLoaded<FrmForecastingModels>());
    EXPECT_EQ(s.fc.intForecastMethod, 2);
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Forecasting Module");
}

TEST_F(MethodDialogTest, StatusCaptionShowsOneAmpersandForTrendAndSeasonal) {
    qv::S().fc.intPeriodCount = 9;
    FrmForecastingModels& d = frmForecastingModels();
    d.Option1[3]->Value(true);
    h().expectMessage(pf::vbOK);
    d.CmdSolve_Click();  // empty boxes: refused, the caption is set all the same
    auto* label = static_cast<QLabel*>(frmMenu().lblmoduleindicator.widget());
    EXPECT_EQ(label->text().toStdString(), "Forecasting Module - Trend & Seasonal Projection");
}

TEST_F(MethodDialogTest, SeasonsMaximumFollowsTheSeriesAtEachClick) {
    auto& s = qv::S();
    FrmForecastingModels& d = frmForecastingModels();
    struct Case {
        int periods;
        const char* caption;
    } cases[] = {{9, "Number of Seasons (MAX=4):"}, {25, "Number of Seasons (MAX=12):"},
                 {24, "Number of Seasons (MAX=12):"}, {23, "Number of Seasons (MAX=11):"},
                 {1, "Number of Seasons (MAX=0):"}};
    for (const Case& c : cases) {
        s.fc.intPeriodCount = c.periods;
        d.Option1[0]->Value(true);
        d.Option1[3]->Value(true);
        EXPECT_EQ(d.Label1_0.Caption(), c.caption);
    }
}

TEST_F(MethodDialogTest, TheWindowsCloseCommandCancels) {
    auto& s = qv::S();
    s.blnDialogCancelled = false;
    FrmForecastingModels& d = frmForecastingModels();
    static_cast<QDialog*>(d.window())->reject();
    EXPECT_TRUE(s.blnDialogCancelled);
    EXPECT_FALSE(pf::isLoaded<FrmForecastingModels>());
}

TEST_F(MethodDialogTest, SolveRecreatesTheResultTablesAndCancelComputesNothing) {
    auto& s = qv::S();
    s.fc.intPeriodCount = 3;
    s.fc.dblForecasts.ReDim(5);
    s.fc.dblForecasts(3) = 11;
    s.fc.dblMeanSquareError = 9;
    h().expectModal("frmForecastingModels", [](pf::Form& f) {
        static_cast<FrmForecastingModels&>(f).cmdCancel.userClick();
    });
    QVForecasting::SolveForecasting();
    EXPECT_TRUE(s.blnDialogCancelled);
    EXPECT_EQ(s.fc.dblForecasts.UBound(), 112);
    EXPECT_EQ(s.fc.dblForecastErrors.UBound(), 112);
    EXPECT_EQ(s.fc.dblSeasonalIndexes.UBound(), 12);
    EXPECT_TRUE(s.fc.dblForecasts(3).IsEmpty());
    EXPECT_EQ(s.fc.dblMeanSquareError.num(), 9);
    EXPECT_FALSE(pf::isLoaded<FrmSolution>());
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
}

}  // namespace
