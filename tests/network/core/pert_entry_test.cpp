// What the PERT/CPM windows accept: the number of activities and the four time boxes,
// with their messages, bounds, stored values and decimal places.
#include <gtest/gtest.h>

#include <string>

#include "network/core/PertEntry.h"
#include "shell/core/State.h"
#include "tests/network/core/pert_fixture.h"

namespace {

using namespace perttest;
using QVPert_CPM::CountVerdict;
using QVPert_CPM::TimeBox;
using QVPert_CPM::TimeVerdict;

TEST(PertEntry, NumberOfActivities) {
    struct Case {
        std::string text;
        CountVerdict verdict;
        int count;
    } cases[] = {
        {"1", CountVerdict::Accepted, 1},
        {"25", CountVerdict::Accepted, 25},
        {"25.0", CountVerdict::Accepted, 25},
        {"0", CountVerdict::OutOfRange, 0},
        {"26", CountVerdict::OutOfRange, 0},
        {"-3", CountVerdict::OutOfRange, 0},
        {"25.5", CountVerdict::OutOfRange, 0},  // the range is tested first
        {"2.5", CountVerdict::NotInteger, 0},
        {"abc", CountVerdict::OutOfRange, 0},   // no number counts as 0
        {"12abc", CountVerdict::Accepted, 12},
        {"  7", CountVerdict::Accepted, 7},
        {"", CountVerdict::Empty, 0},
        {std::string(400, '9'), CountVerdict::OutOfRange, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        int n = -1;
        EXPECT_EQ(QVPert_CPM::CheckActivityCount(c.text, n), c.verdict);
        EXPECT_EQ(n, c.verdict == CountVerdict::Accepted ? c.count : -1);  // set only when accepted
    }
}

const std::string kBeyondDoubles = "1" + std::string(400, '0');

TEST(PertEntry, TimeBoxes) {
    struct Case {
        TimeBox box;
        const char* text;
        TimeVerdict verdict;
        double stored;         // the box's time of activity B afterwards
        const char* gridText;  // accepted
    } cases[] = {
        {TimeBox::Expected, "-1", TimeVerdict::BelowBound, 9, ""},
        {TimeBox::Optimistic, "-1", TimeVerdict::BelowBound, 5, ""},
        {TimeBox::Expected, "0", TimeVerdict::Accepted, 0, "0"},
        {TimeBox::Optimistic, "0", TimeVerdict::Accepted, 0, "0"},
        {TimeBox::Expected, "-0", TimeVerdict::Accepted, 0, "-0"},
        {TimeBox::Expected, "abc", TimeVerdict::Invalid, 9, ""},
        {TimeBox::Expected, "1.2.3", TimeVerdict::Invalid, 9, ""},
        {TimeBox::Expected, "5-2", TimeVerdict::Invalid, 9, ""},
        {TimeBox::Expected, "1,500", TimeVerdict::Accepted, 1500, "1500"},
        {TimeBox::Expected, "+2.5", TimeVerdict::Accepted, 2.5, "+2.5"},
        {TimeBox::Expected, "", TimeVerdict::Empty, 9, ""},
        {TimeBox::Expected, "1e400", TimeVerdict::Invalid, 9, ""},
        {TimeBox::Expected, kBeyondDoubles.c_str(), TimeVerdict::Invalid, 9, ""},  // digits only, no double holds it
        // Most probable below the stored optimistic time 5, pessimistic below the stored 6.
        {TimeBox::Probable, "4", TimeVerdict::BelowBound, 6, ""},
        {TimeBox::Probable, "5", TimeVerdict::Accepted, 5, "5"},
        {TimeBox::Probable, "x", TimeVerdict::Invalid, 6, ""},
        {TimeBox::Pessimistic, "5.99", TimeVerdict::BelowBound, 7, ""},
        {TimeBox::Pessimistic, "6", TimeVerdict::Accepted, 6, "6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        qv::resetState();
        qv::PertBlock P = project(2, {known(1), known(9)});
        P.dblOptimisticTimes(2) = 5;
        P.dblMostProbableTimes(2) = 6;
        P.dblPessimisticTimes(2) = 7;
        pf::Value decimals = 0;
        const auto e = QVPert_CPM::EnterTime(P, c.box, 2, c.text, decimals);
        EXPECT_EQ(e.verdict, c.verdict);
        EXPECT_EQ(QVPert_CPM::StoredTime(P, c.box, 2), c.stored);
        if (c.verdict == TimeVerdict::Accepted) {
            EXPECT_EQ(e.gridText, c.gridText);
        }
        EXPECT_EQ(QVPert_CPM::StoredTime(P, c.box, 1), c.box == TimeBox::Expected ? 1 : 0);  // A untouched
        if (c.verdict == TimeVerdict::Invalid) {  // the verdicts are reset for the next check
            EXPECT_EQ(qv::S().strNumericOK, "YES");
            EXPECT_EQ(qv::S().strDecimalPointSeen, "NO");
        }
    }
    // The optimistic time is not compared with the most probable and pessimistic times.
    qv::PertBlock P = project(2, {estimated(1, 2, 3)});
    pf::Value decimals = 0;
    EXPECT_EQ(QVPert_CPM::EnterTime(P, TimeBox::Optimistic, 1, "10", decimals).verdict, TimeVerdict::Accepted);
}

TEST(PertEntry, MessagesAndColumns) {
    EXPECT_STREQ(QVPert_CPM::InvalidTimeMessage(TimeBox::Expected),
                 "NOTE:  THE COMPLETION TIME MUST BE GREATER THAN OR EQUAL TO ZERO.");
    EXPECT_STREQ(QVPert_CPM::TimeBoundMessage(TimeBox::Expected),
                 "NOTE:  THE COMPLETION TIME MUST BE GREATER THAN OR EQUAL TO ZERO.");
    EXPECT_STREQ(QVPert_CPM::TimeBoundMessage(TimeBox::Optimistic),
                 "NOTE:  THE OPTIMISTIC TIME MUST BE GREATER THAN OR EQUAL TO 0.");
    EXPECT_STREQ(QVPert_CPM::InvalidTimeMessage(TimeBox::Probable),
                 "NOTE:  THE MOST PROBABLE TIME MUST BE GREATER THAN OR EQUAL TO THE OPTIMISTIC TIME.");
    EXPECT_STREQ(QVPert_CPM::TimeBoundMessage(TimeBox::Probable),
                 "NOTE:  THE MOST PROBABLE TIME MUST BE GREATER THAN OR EQUAL TO THE OPTIMISTIC TIME.  PLEASE REENTER "
                 "TIMES.");
    EXPECT_STREQ(QVPert_CPM::InvalidTimeMessage(TimeBox::Pessimistic),
                 "NOTE:  THE PESSIMISTIC TIME MUST BE GREATER THAN OR EQUAL TO THE MOST PROBABLE TIME.");
    EXPECT_STREQ(QVPert_CPM::TimeBoundMessage(TimeBox::Pessimistic),
                 "NOTE:  THE PESSIMISTIC TIME MUST BE GREATER THAN OR EQUAL TO THE MOST PROBABLE TIME.  PLEASE "
                 "REENTER TIMES.");
    EXPECT_EQ(QVPert_CPM::TimeGridColumn(TimeBox::Expected), 2);
    EXPECT_EQ(QVPert_CPM::TimeGridColumn(TimeBox::Optimistic), 2);
    EXPECT_EQ(QVPert_CPM::TimeGridColumn(TimeBox::Probable), 3);
    EXPECT_EQ(QVPert_CPM::TimeGridColumn(TimeBox::Pessimistic), 4);
}

// Decimal places grow with what is entered and never shrink; a refused entry leaves them.
TEST(PertEntry, DecimalPlacesOnlyGrow) {
    qv::resetState();
    qv::PertBlock P = project(1, {known(0)});
    pf::Value decimals = 0;
    struct Step {
        const char* text;
        double after;
    } steps[] = {{"3", 0}, {"2.5", 1}, {"3", 1}, {"2.25", 2}, {"3", 2}, {"-0.5", 2}};
    for (const Step& s : steps) {
        QVPert_CPM::EnterTime(P, TimeBox::Expected, 1, s.text, decimals);
        EXPECT_EQ(decimals.num(), s.after) << s.text;
    }
    decimals = 0;
    QVPert_CPM::EnterTime(P, TimeBox::Expected, 1, "-2.25", decimals);  // refused
    EXPECT_EQ(decimals.num(), 0);
    QVPert_CPM::EnterTime(P, TimeBox::Expected, 1, "0.05", decimals);
    EXPECT_EQ(decimals.num(), 2);
}

TEST(PertEntry, StoredTimesShowAsPlainNumbers) {
    EXPECT_EQ(QVPert_CPM::TimeText(0), "0");
    EXPECT_EQ(QVPert_CPM::TimeText(0.25), "0.25");
    EXPECT_EQ(QVPert_CPM::TimeText(1.5), "1.5");
    EXPECT_EQ(QVPert_CPM::TimeText(1500), "1500");
    EXPECT_EQ(QVPert_CPM::TimeText(0.00001), "0.00001");  // typed again without a refusal
}

}  // namespace
