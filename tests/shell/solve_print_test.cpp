// Solve, Print, Save As Text File and the Edit dispatch over a stand-in module.
#include "tests/shell/fake_module.h"

namespace {

class SolvePrintTest : public fake::CommandTest {};
using fake::home;

constexpr const char* kSolved = "New=1 Open=1 Save=1 Change=1 Edit=1 Item0=1 Solution=1 Print=1 Text=1";
constexpr const char* kLaidOut = "New=1 Open=1 Save=1 Change=1 Edit=1 Item0=0 Solution=1 Print=0 Text=0";
// A solve has started (or ended without a solution): item 0 on, no output items.
constexpr const char* kStarted = "New=1 Open=1 Save=1 Change=1 Edit=1 Item0=1 Solution=1 Print=0 Text=0";

TEST_F(SolvePrintTest, SolveFramesTheSolveAndEnablesOutputOnlyForAShownSolution) {
    laidOut(1, {"1"});
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_EQ(module.solves, 1);
    EXPECT_EQ(menus(), kSolved);
    EXPECT_EQ(caption(), "Markov Processes Module");
    EXPECT_FALSE(h().busy());
    EXPECT_EQ(pf::focusedForm(), &frmMenu());

    // Display/Edit returns to the problem.
    frmMenu().mnudispeditsubs_Click(0);
    EXPECT_EQ(menus(), kLaidOut);
    EXPECT_FALSE(fake::solution().Visible());

    // A solve that shows nothing leaves Print and Save As Text File off; Edit item 0
    // came on before the solve ran.
    module.showSolution = false;
    frmMenu().mnuSolutionSolve_Click();
    pf::collectUnloaded();
    EXPECT_EQ(menus(), kStarted);
    EXPECT_EQ(caption(), "Markov Processes Module");
}

// Modules whose solve Solve frames itself: Edit item 0 on (forecasting's period items
// off), "Solving Problem . . ." and the busy cursor, all before the solve procedure
// runs; Print and Save As Text File after it, only for a shown solution.
TEST_F(SolvePrintTest, SolveSwitchesEditItemsBeforeTheSolveProcedure) {
    struct Case {
        int module;
        bool shows;
        const char* captionAfter;
    } cases[] = {
        {6, true, "Markov Processes Module"},  {6, false, "Markov Processes Module"},
        {7, true, "Markov Processes Module"},  {11, true, "Forecasting Module:  Moving Averages"},
        {11, false, "Markov Processes Module"}, {12, true, "Markov Processes Module"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.module);
        SCOPED_TRACE(c.shows);
        pf::unloadAll();
        qv::resetState();
        frmMenu();
        pf::Unload<FrmModuleSelection>();
        qv::S().intCurrentModule = 12;
        frmMenu().lblmoduleindicator.Caption("Markov Processes Module");
        laidOut(1, {"1"});
        if (c.module == 11)
            for (int k : {3, 4}) frmMenu().mnudispeditsubs->Load(k).Enabled(true);
        qv::S().intCurrentModule = c.module;
        std::string during, captionDuring;
        bool busyDuring = false;
        qv::modules(c.module).solve = [&] {
            during = menus();
            captionDuring = caption();
            busyDuring = h().busy();
            if (c.module == 11) {
                EXPECT_FALSE((*frmMenu().mnudispeditsubs)(3).Enabled());
                EXPECT_FALSE((*frmMenu().mnudispeditsubs)(4).Enabled());
            }
            if (!c.shows) return;
            if (c.module == 11) frmMenu().lblmoduleindicator.Caption("Forecasting Module:  Moving Averages");
            fake::solution().Show();
        };
        frmMenu().mnuSolutionSolve_Click();
        pf::collectUnloaded();
        EXPECT_EQ(during, kStarted);
        EXPECT_EQ(captionDuring, "Solving Problem . . .");
        EXPECT_TRUE(busyDuring);
        EXPECT_EQ(menus(), c.shows ? kSolved : kStarted);
        EXPECT_EQ(caption(), c.captionAfter);
        EXPECT_FALSE(h().busy());
    }
}

TEST_F(SolvePrintTest, SolveFailureRestoresCursorAndCaptionAndReports) {
    laidOut(1, {"1"});
    module.failSolveWith = pf::errDivisionByZero;
    h().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_EQ(h().transcript.back(), "MSGBOX \"Error # 11\" critical OK \"Division by zero\" -> OK");
    EXPECT_EQ(caption(), "Markov Processes Module");
    EXPECT_FALSE(h().busy());
    EXPECT_EQ(menus(), kStarted);  // the Edit items keep the state they had reached
}

TEST_F(SolvePrintTest, SolveStopsAtAFailedCheck) {
    laidOut(2, {"0.5", "0.4", "1", "0"});
    h().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_EQ(module.solves, 0);
    EXPECT_EQ(menus(), kLaidOut);
}

TEST_F(SolvePrintTest, PrintAndSaveAsTextWriteTheReportOrNothingOnCancel) {
    laidOut(1, {"1"});
    // Nothing to print before a solution is shown.
    frmMenu().mnuSolutionPrinttoPrinter_Click();
    frmMenu().mnuSolutionPrinttoText_Click();
    EXPECT_TRUE(h().transcript.empty());

    frmMenu().mnuSolutionSolve_Click();
    h().expectPrinter(false);
    frmMenu().mnuSolutionPrinttoPrinter_Click();
    EXPECT_EQ(h().transcript.back(), "PRINTER DIALOG -> Cancel");

    h().transcript.clear();
    h().expectPrinter(true);
    frmMenu().mnuSolutionPrinttoPrinter_Click();
    const std::vector<std::string> printed = {"PRINTER DIALOG -> OK", "CURSOR busy",
                                              "PRINTER END DOCUMENT font=\"Courier New\" size=12",
                                              "  --- page 1", "  |Markov report", "  --- page 2",
                                              "  |page two", "CURSOR normal"};
    EXPECT_EQ(h().transcript, printed);
    EXPECT_EQ(qv::S().strReportTarget, "Printer");

    h().expectFileCancel();
    frmMenu().mnuSolutionPrinttoText_Click();
    EXPECT_TRUE(std::filesystem::is_empty(dir_));

    h().transcript.clear();
    h().expectFile(path("report"));
    frmMenu().mnuSolutionPrinttoText_Click();
    EXPECT_EQ(h().transcript[0],
              "SAVE DIALOG \"Print Current Problem to TEXT File\" filter=\"OUT File|*.OUT|All Files (*.*)|*.*\" "
              "ext=\"OUT\" -> \"" + path("report") + "\"");
    EXPECT_EQ(slurp(path("report.OUT")), "Markov report\r\n\f\r\npage two\r\n");
    EXPECT_EQ(qv::S().strReportTarget, "File");
    EXPECT_EQ(menus(), kSolved);
}

TEST_F(SolvePrintTest, FailedReportLeavesTheEarlierTextFile) {
    laidOut(1, {"1"});
    frmMenu().mnuSolutionSolve_Click();
    put(path("old.OUT"), "earlier\r\n");
    qv::modules(12).report = [](pf::ReportSink& out) {
        out.line("half");
        pf::raise(pf::errDeviceIO);
    };
    h().expectFile(path("old.OUT"));
    h().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionPrinttoText_Click();
    EXPECT_EQ(h().transcript.back(), "MSGBOX \"Error # 57\" critical OK \"Device I/O error\" -> OK");
    EXPECT_EQ(slurp(path("old.OUT")), "earlier\r\n");
    EXPECT_FALSE(h().busy());
    // The next one works.
    qv::modules(12).report = [](pf::ReportSink& out) { out.line("new"); };
    h().expectFile(path("old.OUT"));
    frmMenu().mnuSolutionPrinttoText_Click();
    EXPECT_EQ(slurp(path("old.OUT")), "new\r\n");
}

// Delete Time Periods checks the last value first: an empty one during a pending
// zero-fill asks the question, an invalid one is selected; either stop deletes nothing.
TEST_F(SolvePrintTest, DeleteTimePeriodsChecksTheLastValueFirst) {
    const std::string question =
        "MSGBOX \"Problem Incomplete\" exclamation OK/Cancel \"Problem is incomplete.  Zeroes will be entered for "
        "empty cells\" -> ";
    struct Case {
        const char* text;
        int answer;  // 0: no question
        bool deletes;
        const char* lastLine;
    } cases[] = {
        {"", pf::vbCancel, false, "Cancel"},
        {"", pf::vbOK, true, "OK"},
        {"x", 0, false, "MSGBOX \"Data Input Error\" critical OK \"NOT A NUMBER\" -> OK"},
        {"7", 0, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SCOPED_TRACE(c.answer);
        laidOut(2, {"1", "0", "1", "0"});
        qv::S().intCurrentModule = 11;
        int deleted = 0;
        bool editing = false;
        qv::modules(11).deleteTimePeriods = [&] {
            ++deleted;
            editing = qv::S().blnEditInProgress;
        };
        auto& g = home().gridDisplayEdit;
        g.TextMatrix(2, 1, c.text);
        g.Row(1);
        g.Col(2);
        qv::S().blnZeroFillPending = true;
        if (c.answer) h().expectMessage(c.answer);
        if (std::string(c.text) == "x") h().expectMessage(pf::vbOK);
        frmMenu().mnudispeditsubs_Click(4);
        EXPECT_EQ(deleted, c.deletes ? 1 : 0);
        if (c.deletes) {
            EXPECT_TRUE(editing);
        }
        EXPECT_FALSE(qv::S().blnEditInProgress);
        EXPECT_EQ(caption(), "Markov Processes Module");
        EXPECT_EQ(g.Row(), 2);
        EXPECT_EQ(g.Col(), 1);
        if (c.answer) {
            EXPECT_EQ(h().transcript.back(), question + c.lastLine);
            EXPECT_EQ(qv::S().blnZeroFillPending, c.answer != pf::vbOK);
        }
        if (std::string(c.text) == "x") {
            EXPECT_EQ(h().transcript.back(), c.lastLine);
            EXPECT_EQ(g.SelStartRow(), 2);
            EXPECT_EQ(g.SelEndRow(), 2);
            EXPECT_EQ(g.SelStartCol(), 1);
            EXPECT_EQ(g.SelEndCol(), 1);
            EXPECT_EQ(pf::focusedControl(), &g);
        }
        if (!c.lastLine) {
            EXPECT_TRUE(h().transcript.empty());
        }
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
        frmMenu();
        pf::Unload<FrmModuleSelection>();
        frmMenu().lblmoduleindicator.Caption("Markov Processes Module");
        qv::S().strProblemEntered = "NO";
        qv::S().intCurrentModule = 12;
    }
}

TEST_F(SolvePrintTest, TransportationSubmenuShowsTheCapacityMessages) {
    auto& S = qv::S();
    int added = 0;
    qv::modules(2).addDestination = [&] { ++added; };
    qv::modules(3).deleteDestination = [&] { ++added; };
    struct Case {
        int module;
        int m, n, index;
        const char* text;  // nullptr: the operation runs
    } cases[] = {
        {2, 29, 30, 1, "MSGBOX \"Maximum Capacity\" exclamation OK \"There are currently 30 destinations in this "
                       "problem.  This is the maximum allowed.\" -> OK"},
        {2, 30, 29, 1, nullptr},
        {3, 30, 5, 0, "MSGBOX \"Maximum Capacity\" exclamation OK \"There are currently 30 agents in this problem.  "
                      "This is the maximum allowed.\" -> OK"},
        {2, 1, 4, 2, "MSGBOX \"Minimum Capacity\" exclamation OK \"There is currently 1 origin in this problem.  "
                     "This is the minimum allowed.\" -> OK"},
        {3, 4, 1, 3, "MSGBOX \"Minimum Capacity\" exclamation OK \"There is currently 1 task in this problem.  This "
                     "is the minimum allowed.\" -> OK"},
        {3, 4, 2, 3, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        S.intCurrentModule = c.module;
        S.strProblemType = c.module == 2 ? "TRANSPORTATION PROBLEM" : "ASSIGNMENT PROBLEM";
        S.tr.intOriginCount = c.m;
        S.tr.intDestinationCount = c.n;
        h().transcript.clear();
        const int before = added;
        if (c.text) h().expectMessage(pf::vbOK);
        frmMenu().mnudispeditsubslower_Click(c.index);
        if (c.text) {
            EXPECT_EQ(h().transcript.back(), c.text);
            EXPECT_EQ(added, before);
        } else {
            EXPECT_EQ(added, before + 1);
        }
    }
}

}  // namespace
