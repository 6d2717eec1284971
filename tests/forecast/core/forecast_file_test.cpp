// A time series comes back from its problem file as it was saved: the count, the
// decimal places and every value, at the smallest and the largest length.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Errors.h"
#include "platform/core/SeqFile.h"
#include "shell/core/ProblemFile.h"
#include "shell/core/State.h"

namespace {

std::string writeSeries(int decimals, const std::vector<double>& values) {
    qv::resetState();
    auto& s = qv::S();
    s.intCurrentModule = 11;
    s.fc.dblTimeSeries.ReDim(qv::ForecastBlock::kSeriesUpper, 1);
    s.fc.intPeriodCount = static_cast<int>(values.size());
    s.intDecimalPlaces = decimals;
    for (std::size_t t = 0; t < values.size(); ++t) s.fc.dblTimeSeries(static_cast<long>(t) + 1, 1) = values[t];
    pf::FieldWriter out;
    qv::WriteProblemRecords(s, out);
    return out.contents();
}

// Reads into a state that holds another problem; counts the screen rebuilds.
int readSeries(const std::string& bytes) {
    qv::resetState();
    auto& s = qv::S();
    s.intCurrentModule = 11;
    s.fc.intPeriodCount = 7;
    int rebuilds = 0;
    qv::ProblemFileHooks hooks;
    hooks.rebuildScreen = [&rebuilds] { ++rebuilds; };
    pf::FieldReader in(bytes);
    qv::ReadProblemRecords(s, in, hooks);
    return rebuilds;
}

TEST(ForecastFile, SeriesOfOneAndOfAHundredPeriodsRoundTrip) {
    std::vector<double> hundred;
    for (int t = 1; t <= 100; ++t) {
        // Whole, one-decimal, two-decimal and negative values in turn.
        const double v = t % 4 == 0 ? t : t % 4 == 1 ? t + 0.5 : t % 4 == 2 ? t + 0.25 : -t - 0.75;
        hundred.push_back(v);
    }
    struct Case {
        const char* what;
        int decimals;
        std::vector<double> values;
    } cases[] = {
        {"one whole value", 0, {42}},
        {"one negative value with two decimals", 2, {-0.05}},
        {"one value with one decimal", 1, {1234567.5}},
        {"a hundred mixed values", 2, hundred},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string bytes = writeSeries(c.decimals, c.values);
        EXPECT_EQ(bytes.substr(0, bytes.find('\r')),
                  std::to_string(c.values.size()) + "," + std::to_string(c.decimals));
        EXPECT_EQ(readSeries(bytes), 1);
        const auto& s = qv::S();
        ASSERT_EQ(s.fc.intPeriodCount, static_cast<int>(c.values.size()));
        EXPECT_EQ(s.intDecimalPlaces.num(), c.decimals);
        for (std::size_t t = 0; t < c.values.size(); ++t)
            EXPECT_EQ(s.fc.dblTimeSeries(static_cast<long>(t) + 1, 1).num(), c.values[t]) << "period " << t + 1;
        // Saving what was read gives the same file.
        pf::FieldWriter again;
        qv::WriteProblemRecords(qv::S(), again);
        EXPECT_EQ(again.contents(), bytes);
    }
}

TEST(ForecastFile, MoreThanAHundredPeriodsIsNoForecastingFile) {
    std::string bytes = "101,0\r\n";
    for (int t = 1; t <= 101; ++t) bytes += std::to_string(t) + "\r\n";
    int rebuilds = -1;
    EXPECT_THROW(rebuilds = readSeries(bytes), pf::RuntimeError);
    EXPECT_EQ(rebuilds, -1);
    EXPECT_EQ(qv::S().fc.intPeriodCount, 7);
}

}  // namespace
