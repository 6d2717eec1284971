// The time-series grid: its layout for a new and for a stored series, and the value
// that Add Time Periods stores from the current cell before it lays the grid out again.
#include <gtest/gtest.h>

#include <string>

#include "forecast/QVForecasting.h"
#include "shell/frmProblem.h"
#include "tests/forecast/forecast_ui_fixture.h"

namespace {

using fctest::h;

class TimeSeriesWindowTest : public fctest::ForecastWindowTest {
protected:
    void SetUp() override {
        ForecastWindowTest::SetUp();
        frmProblem().Show();
    }
    static pf::Grid& layOut(std::initializer_list<double> values) { return fctest::layOutSeries(values); }
};

TEST_F(TimeSeriesWindowTest, GridShowsPeriodsAndStoredValuesWithoutExponents) {
    pf::Grid& g = layOut({1e20, 0.0000001, -2.5, 3});
    qv::S().fc.dblTimeSeries(4, 1).Clear();
    QVForecasting::BuildTimeSeriesGrid();
    EXPECT_EQ(g.Rows(), 5);
    EXPECT_EQ(g.Cols(), 2);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.ColWidth(0), 1100);
    EXPECT_EQ(g.ColWidth(1), 1800);
    EXPECT_EQ(g.ColAlignment(1), 1);
    const char* expected[][2] = {{"Period", "Time Series Value"}, {"1", "100000000000000000000"},
                                 {"2", "0.0000001"},         {"3", "-2.5"}, {"4", ""}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 2; ++c) EXPECT_EQ(g.TextMatrix(r, c), expected[r][c]) << r << "," << c;
    EXPECT_EQ(qv::S().strProblemEntered, "YES");
    EXPECT_TRUE(frmProblem().lblInfo.Visible());
    EXPECT_EQ(frmProblem().lblInfo.Caption(), "Enter Time Series Value for Each Period.");
    EXPECT_EQ(pf::focusedControl(), &g);
    EXPECT_FALSE(h().busy());

    // A new problem shows no values, whatever the series holds, and starts on period 1.
    qv::S().blnNewProblem = true;
    QVForecasting::BuildTimeSeriesGrid();
    for (int r = 1; r < 5; ++r) EXPECT_EQ(g.TextMatrix(r, 1), "");
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(pf::focusedControl(), &g);
}

TEST_F(TimeSeriesWindowTest, AddStoresTheCurrentCellAndRaisesTheDecimalPlaces) {
    struct Case {
        const char* text;
        double stored;
        int decimals;  // starting from 0
    } cases[] = {
        {"7.009", 7.009, 0}, {"12.5", 12.5, 1}, {"3.01", 3.01, 2}, {"2.999", 2.999, 2},
        {"-2.5", -2.5, 1},   {"-4", -4, 0},     {"0.05", 0.05, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        pf::Grid& g = layOut({10, 20});
        auto& s = qv::S();
        s.intDecimalPlaces = 0;
        g.Row(2);
        g.Col(1);
        g.Text(c.text);
        h().expectInput("2");
        s.blnEditInProgress = true;
        QVForecasting::AddTimePeriods();
        s.blnEditInProgress = false;
        EXPECT_EQ(s.fc.intPeriodCount, 4);
        EXPECT_EQ(s.fc.dblTimeSeries(2, 1).num(), c.stored);
        EXPECT_EQ(s.intDecimalPlaces.num(), c.decimals);
        EXPECT_TRUE(s.fc.dblTimeSeries(3, 1).IsEmpty());
        EXPECT_EQ(g.Row(), 3);
        EXPECT_TRUE(g.Visible());
        EXPECT_FALSE(s.blnSuppressLastRowBeep);
    }
}

TEST_F(TimeSeriesWindowTest, AddedPeriodsStartEmptyWhateverWasStoredBehindTheSeries) {
    pf::Grid& g = layOut({10, 20, 30});
    auto& s = qv::S();
    // Left behind by an earlier, longer series.
    s.fc.dblTimeSeries(4, 1) = 99;
    s.fc.dblTimeSeries(5, 1) = 98;
    g.Row(1);
    g.Col(1);
    h().expectInput("2");
    QVForecasting::AddTimePeriods();
    EXPECT_TRUE(s.fc.dblTimeSeries(4, 1).IsEmpty());
    EXPECT_TRUE(s.fc.dblTimeSeries(5, 1).IsEmpty());
    EXPECT_EQ(g.TextMatrix(4, 1), "");
    EXPECT_EQ(g.TextMatrix(5, 1), "");
    EXPECT_EQ(g.TextMatrix(3, 1), "30");
}

TEST_F(TimeSeriesWindowTest, NewProblemStartsFromWholeNumbersAndCancelLeavesTheSeriesCleared) {
    auto& s = qv::S();
    s.intDecimalPlaces = 2;
    s.fc.dblTimeSeries.ReDim(112, 1);
    s.fc.dblTimeSeries(1, 1) = 5;
    h().expectModal("frmUserInput", [](pf::Form& f) {
        pf::scriptedHost().expectMessage(pf::vbYes);
        f.control("cmdCancel")->userClick();
    });
    s.blnNewProblem = true;
    QVForecasting::NewForecastingProblem();
    EXPECT_TRUE(s.blnDialogCancelled);
    EXPECT_EQ(s.intDecimalPlaces.num(), 0);
    EXPECT_TRUE(s.fc.dblTimeSeries(1, 1).IsEmpty());
    EXPECT_FALSE(frmProblem().gridDisplayEdit.Visible());
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
}

}  // namespace
