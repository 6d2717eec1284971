// File New, Open, Change Modules and Save Problem over a stand-in module, with the
// menu state after every step.
#include "tests/shell/fake_module.h"

#include "shell/ProblemFiles.h"

namespace {

using fake::CommandTest;
using fake::home;

constexpr const char* kFreshHome = "New=1 Open=1 Save=0 Change=1 Edit=0 Item0=1 Solution=0 Print=0 Text=0";
// Module 12 leaves item 0 as the laid-out problem left it (disabled).
constexpr const char* kHomeOnly = "New=1 Open=1 Save=0 Change=1 Edit=0 Item0=0 Solution=0 Print=0 Text=0";
constexpr const char* kLaidOut = "New=1 Open=1 Save=1 Change=1 Edit=1 Item0=0 Solution=1 Print=0 Text=0";

TEST_F(CommandTest, NewAsksOnlyOverAnEnteredProblemAndResetsTheHomeScreen) {
    home().Show();
    EXPECT_EQ(menus(), kFreshHome);

    // No problem yet: straight to the dimensions, no question.
    h().expectInput("2");
    frmMenu().mnuFileNew_Click();
    EXPECT_EQ(menus(), kLaidOut);
    EXPECT_FALSE(qv::S().blnNewProblem);
    EXPECT_FALSE(home().txtLoadInfo.Visible());
    EXPECT_EQ(home().gridDisplayEdit.Rows(), 3);

    // No keeps everything.
    h().expectMessage(pf::vbNo);
    frmMenu().mnuFileNew_Click();
    EXPECT_EQ(h().transcript.back(),
              "MSGBOX \"Create New Problem\" question Yes/No \"Are you sure you wish to create a new problem?\" -> No");
    EXPECT_EQ(qv::S().strProblemEntered, "YES");
    EXPECT_EQ(menus(), kLaidOut);

    // Yes, then Cancel in the dimensions: an empty home screen, the flag still set.
    home().gridDisplayEdit.TextMatrix(1, 1, "0.5");
    h().expectMessage(pf::vbYes);
    h().expectInputCancel();
    frmMenu().mnuFileNew_Click();
    pf::collectUnloaded();
    EXPECT_EQ(qv::S().strProblemEntered, "NO");
    EXPECT_TRUE(qv::S().blnNewProblem);
    EXPECT_EQ(menus(), kHomeOnly);
    EXPECT_EQ(home().gridDisplayEdit.TextMatrix(1, 1), "");  // a fresh window
    EXPECT_FALSE(home().lblLoadInfo.Visible());
    EXPECT_TRUE(h().allAnswersUsed());
}

TEST_F(CommandTest, OpenYesThenCancelLeavesAnEmptyHomeScreen) {
    laidOut(2, {"0.5", "0.5", "1", "0"});
    h().expectMessage(pf::vbYes);
    h().expectFileCancel();
    frmMenu().mnuFileOpen_Click();
    pf::collectUnloaded();
    ASSERT_EQ(h().transcript.size(), 2u);
    EXPECT_EQ(h().transcript[1],
              "OPEN DIALOG \"Select a Previously Saved Problem\" filter=\"MRK File|*.MRK|All Files (*.*)|*.*\" "
              "ext=\"MRK\" -> Cancel");
    EXPECT_EQ(qv::S().strProblemEntered, "NO");
    EXPECT_EQ(menus(), kHomeOnly);
    EXPECT_EQ(qv::S().strProblemFileName, "");
}

TEST_F(CommandTest, SaveThenOpenRoundTripsWithMenusLaidOut) {
    laidOut(2, {"0.25", "0.75", "1", ""});

    // Cancel in the save dialog: nothing written, the name kept; the zero-fill question came first.
    h().expectMessage(pf::vbOK);
    h().expectFileCancel();
    frmMenu().mnuFileSave_Click();
    EXPECT_EQ(h().transcript[0],
              "MSGBOX \"Problem Incomplete\" exclamation OK/Cancel \"Problem is incomplete.  Zeroes will be entered "
              "for empty cells\" -> OK");
    EXPECT_EQ(qv::S().strProblemFileName, "");
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
    EXPECT_EQ(caption(), "Markov Processes Module");

    h().expectMessage(pf::vbOK);
    h().expectFile(path("chain"));
    frmMenu().mnuFileSave_Click();
    EXPECT_EQ(qv::S().strProblemFileName, path("chain.MRK"));
    EXPECT_EQ(slurp(path("chain.MRK")), "2\r\n0.25\r\n0.75\r\n1\r\n0\r\n");
    EXPECT_EQ(menus(), kLaidOut);
    EXPECT_FALSE(h().busy());
    EXPECT_EQ(caption(), "Markov Processes Module");

    // A new problem over it offers no name; then Open brings the file back.
    h().expectMessage(pf::vbYes);
    h().expectFile(path("chain.MRK"));
    frmMenu().mnuFileOpen_Click();
    pf::collectUnloaded();
    EXPECT_EQ(menus(), kLaidOut);
    EXPECT_EQ(qv::S().strProblemEntered, "YES");
    EXPECT_FALSE(qv::S().blnNewProblem);
    EXPECT_EQ(home().gridDisplayEdit.TextMatrix(1, 2), "0.75");
    EXPECT_EQ(home().gridDisplayEdit.TextMatrix(2, 2), "0");
    EXPECT_FALSE(h().busy());
}

TEST_F(CommandTest, SaveProposesTheFileNameOnlyForAProblemFromAFile) {
    laidOut(1, {"1"});
    qv::S().strProblemFileName = path("old.MRK");
    qv::S().blnNewProblem = true;
    h().expectFileCancel();
    frmMenu().mnuFileSave_Click();
    EXPECT_EQ(frmMenu().dialogFile.FileName, "");
    qv::S().blnNewProblem = false;
    h().expectFileCancel();
    frmMenu().mnuFileSave_Click();
    EXPECT_EQ(frmMenu().dialogFile.FileName, path("old.MRK"));
    EXPECT_EQ(frmMenu().dialogFile.Flags, 0x806);
    EXPECT_EQ(frmMenu().dialogFile.DialogTitle, "Save the Current Problem");
}

TEST_F(CommandTest, FailedSaveLeavesEarlierFileAndRestoresCursorAndCaption) {
    laidOut(1, {"1"});
    put(path("keep.MRK"), "1\r\n1\r\n");
    // A table the writer needs is gone: the save fails after the dialog.
    qv::S().mk.intStateCount = 3;
    home().gridDisplayEdit.Rows(2);
    qv::S().mk.dblTransitionMatrix.ReDim(1, 1);
    h().expectFile(path("keep.MRK"));
    h().expectMessage(pf::vbOK);
    frmMenu().mnuFileSave_Click();
    EXPECT_EQ(h().transcript.back(), "MSGBOX \"Error # 9\" critical OK \"Subscript out of range\" -> OK");
    EXPECT_EQ(slurp(path("keep.MRK")), "1\r\n1\r\n");
    EXPECT_FALSE(h().busy());
    EXPECT_EQ(caption(), "Markov Processes Module");
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()), 1);
}

TEST_F(CommandTest, ReadFailuresGiveTheReadersMessageAndLayNothingOut) {
    const std::string message =
        "MSGBOX \"Error Opening File\" critical OK \"File Input Error.  Make sure this is a file for the current "
        "module.\" -> OK";
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"count", "11\r\n"},                       // more states than the module holds
        {"truncated", "2\r\n.5\r\n.5\r\n1\r\n"},   // one probability short
        {"random", std::string("\x01\xff\"abc,\x7f\n\0zz", 12)},
        {"quote", "1\r\n1\"\r\n"},                // an unquoted field holding a quote
        {"missing", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        pf::unloadAll();
        frmMenu();
        pf::Unload<FrmModuleSelection>();
        qv::S().strProblemEntered = "NO";
        home().Show();
        if (std::string(c.name) != "missing") put(path(std::string(c.name) + ".MRK"), c.bytes);
        h().transcript.clear();
        h().expectFile(path(std::string(c.name) + ".MRK"));
        h().expectMessage(pf::vbOK);
        frmMenu().mnuFileOpen_Click();
        // The message shows under the busy cursor, which goes once it is answered.
        ASSERT_GE(h().transcript.size(), 3u);
        const std::vector<std::string> tail(h().transcript.end() - 3, h().transcript.end());
        EXPECT_EQ(tail, (std::vector<std::string>{"CURSOR busy", message, "CURSOR normal"}));
        EXPECT_EQ(menus(), kFreshHome);
        EXPECT_NE(qv::S().strProblemEntered, "YES");
        EXPECT_FALSE(h().busy());
    }
}

// The waiting-line form opens after the read: its failures are not the reader's, and a
// window loaded twice lets Open end quietly.
TEST_F(CommandTest, FailureInTheModelFormAfterAReadIsNotAFileInputError) {
    struct Case {
        int error;
        const char* message;  // nullptr: none
    } cases[] = {
        {pf::errObjectAlreadyLoaded, nullptr},
        {pf::errDivisionByZero, "MSGBOX \"Error # 11\" critical OK \"Division by zero\" -> OK"},
    };
    put(path("line.WLM"), "1,2,10,4,,0.5,\"YES\",15,0.5,\"2\",\"10\",\"4\",\"\",\"15\",\"0.5\"\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        auto& S = qv::S();
        S.intCurrentModule = 9;
        S.strProblemFileExt = "WLM";
        S.strProblemEntered = "NO";
        int opened = 0;
        qv::modules(9).showInputForm = [&] {
            ++opened;
            pf::raise(c.error);
        };
        h().transcript.clear();
        h().expectFile(path("line.WLM"));
        if (c.message) h().expectMessage(pf::vbOK);
        frmMenu().mnuFileOpen_Click();
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(caption(), "Waiting Line Model:  M/M/K");
        EXPECT_EQ(h().transcript.back(), c.message ? c.message : "CURSOR normal");
        EXPECT_TRUE(h().allAnswersUsed());
    }
}

TEST_F(CommandTest, ChangeModulesAsksOverAProblemAndReturnsToTheChooser) {
    laidOut(1, {"1"});
    h().expectMessage(pf::vbNo);
    frmMenu().mnuFileChangeModules_Click();
    EXPECT_EQ(menus(), kLaidOut);
    EXPECT_FALSE(pf::isLoaded<FrmModuleSelection>());

    fake::solution().Show();
    h().expectMessage(pf::vbYes);
    frmMenu().mnuFileChangeModules_Click();
    pf::collectUnloaded();
    EXPECT_EQ(h().transcript.back(),
              "MSGBOX \"Select New Module\" question Yes/No \"Are you sure you wish to select a new module?\" -> Yes");
    EXPECT_EQ(qv::S().strProblemEntered, "NO");
    EXPECT_FALSE(qv::loadedWindow("frmSolution"));
    EXPECT_FALSE(qv::loadedWindow("frmProblem"));
    EXPECT_TRUE(pf::isLoaded<FrmModuleSelection>());
    EXPECT_EQ(menus(), "New=0 Open=0 Save=0 Change=0 Edit=0 Item0=0 Solution=0 Print=0 Text=0");
    EXPECT_EQ(pf::focusedControl(), frmModuleSelection().optProblemType[1].get());
}

// A menu's opening only copies a pending name (and not over the chooser); it commits
// nothing, so that a refusal can stop the command instead of a menu that opens anyway.
TEST_F(CommandTest, MenusOpenWithoutCommittingAndNeitherDoFileNewOpenOrChange) {
    int copies = 0, commits = 0;
    qv::modules(12).copyPendingName = [&] { ++copies; };
    qv::modules(12).commitEntry = [&] { return ++commits, true; };
    frmModuleSelection().Show();
    frmMenu().mnuFile_Click();
    EXPECT_EQ(copies, 0);
    pf::Unload<FrmModuleSelection>();
    qv::S().intCurrentModule = 12;  // the chooser's load cleared it
    laidOut(1, {"1"});
    frmMenu().mnuFile_Click();
    frmMenu().mnuSolution_Click();
    frmMenu().mnudispedit_Click();
    EXPECT_EQ(copies, 3);
    // The commands that give the problem up ask and discard; they check nothing.
    h().expectMessage(pf::vbNo);
    frmMenu().mnuFileNew_Click();
    h().expectMessage(pf::vbNo);
    frmMenu().mnuFileOpen_Click();
    h().expectMessage(pf::vbNo);
    frmMenu().mnuFileChangeModules_Click();
    EXPECT_EQ(commits, 0);
    EXPECT_TRUE(h().allAnswersUsed());
}

// Save and Solve commit the entry being typed before their check pass, Solve after it
// has closed the solution window; Print and Save As Text File before their dialog. A
// refusal (its message is the field's) stops the command before anything else.
TEST_F(CommandTest, CommandsThatReadTheProblemCommitFirstAndARefusalStopsThem) {
    laidOut(1, {""});  // an empty cell: the pass asks the zero-fill question
    bool accept = false, solutionOpenAtCommit = false;
    qv::modules(12).commitEntry = [&] {
        h().note("COMMIT");
        solutionOpenAtCommit = qv::loadedWindow("frmSolution") != nullptr;
        return accept;
    };
    const std::vector<std::string> refused = {"COMMIT"};
    const std::string zeroFill =
        "MSGBOX \"Problem Incomplete\" exclamation OK/Cancel \"Problem is incomplete.  Zeroes will be entered for "
        "empty cells\" -> Cancel";
    const struct {
        const char* name;
        void (FrmMenu::*command)();
        bool overSolution;
        std::function<void()> expectAfterCommit;  // what an accepted commit leads to
        std::string firstAfterCommit;
    } commands[] = {
        {"Save Problem", &FrmMenu::mnuFileSave_Click, false, [] { pf::scriptedHost().expectMessage(pf::vbCancel); },
         zeroFill},
        {"Solve", &FrmMenu::mnuSolutionSolve_Click, true, [] { pf::scriptedHost().expectMessage(pf::vbCancel); },
         zeroFill},
        {"Print", &FrmMenu::mnuSolutionPrinttoPrinter_Click, true, [] { pf::scriptedHost().expectPrinter(false); },
         "PRINTER DIALOG -> Cancel"},
        {"Save As Text File", &FrmMenu::mnuSolutionPrinttoText_Click, true,
         [] { pf::scriptedHost().expectFileCancel(); }, ""},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.name);
        for (bool accepted : {false, true}) {
            SCOPED_TRACE(accepted);
            pf::collectUnloaded();
            if (c.overSolution) fake::solution().Show();
            accept = accepted;
            solutionOpenAtCommit = true;
            if (accepted) c.expectAfterCommit();
            h().transcript.clear();
            (frmMenu().*c.command)();
            ASSERT_FALSE(h().transcript.empty());
            EXPECT_EQ(h().transcript[0], "COMMIT");
            if (!accepted) {
                EXPECT_EQ(h().transcript, refused);
            } else if (!c.firstAfterCommit.empty()) {
                ASSERT_GE(h().transcript.size(), 2u);
                EXPECT_EQ(h().transcript[1], c.firstAfterCommit);
            }
            if (c.command == &FrmMenu::mnuSolutionSolve_Click) {
                EXPECT_FALSE(solutionOpenAtCommit);
            }
            EXPECT_EQ(module.solves, 0);
            EXPECT_TRUE(h().allAnswersUsed());
            EXPECT_TRUE(std::filesystem::is_empty(dir_));
        }
    }
}

TEST_F(CommandTest, ModuleWithoutProceduresDoesNothingVisible) {
    qv::S().intCurrentModule = 9;
    qv::modules(9) = qv::ModuleProcedures();
    frmMenu().StartNewProblem();
    frmMenu().mnuSolutionSolve_Click();
    frmMenu().mnudispeditsubs_Click(0);
    EXPECT_TRUE(qv::S().blnNewProblem);
    EXPECT_TRUE(h().transcript.empty());
}

}  // namespace
