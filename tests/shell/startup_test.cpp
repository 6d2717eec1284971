#include <gtest/gtest.h>

#include "tests/ui_test_support.h"

#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmStartup.h"
#include "shell/qverror.h"

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
    }
    void TearDown() override { pf::unloadAll(); }
};

TEST_F(StartupTest, ContinueOpensMainWindowWithOnlyFileUsable) {
    qv::startProgram();
    ASSERT_TRUE(pf::isLoaded<FrmStartup>());
    frmStartup().cmdOK.userClick();
    pf::collectUnloaded();
    EXPECT_FALSE(pf::isLoaded<FrmStartup>());
    ASSERT_TRUE(pf::isLoaded<FrmMenu>());
    FrmMenu& m = frmMenu();
    EXPECT_EQ(m.Caption(), "The Quorvane Version 6.0");
    EXPECT_TRUE(m.mnuFile->Enabled());
    EXPECT_FALSE(m.mnuFileNew->Enabled());
    EXPECT_FALSE(m.mnuFileOpen->Enabled());
    EXPECT_FALSE(m.mnuFileSave->Enabled());
    EXPECT_FALSE(m.mnuFileChangeModules->Enabled());
    EXPECT_TRUE(m.mnuFileExit->Enabled());
    EXPECT_FALSE(m.mnudispedit->Enabled());
    EXPECT_FALSE(m.mnuSolution->Enabled());
    EXPECT_TRUE(m.mnuSolutionSolve->Enabled());
    EXPECT_TRUE(pf::isLoaded<FrmModuleSelection>());
    EXPECT_EQ(m.lblmoduleindicator.Caption(), "");
    EXPECT_EQ(pf::focusedForm(), &m);
}

TEST_F(StartupTest, ChooserRecordsModuleAndRefusesOkWithoutChoice) {
    qv::startProgram();
    frmStartup().cmdOK.userClick();
    auto& c = frmModuleSelection();
    pf::scriptedHost().expectMessage(pf::vbOK);
    c.cmdOK.userClick();
    ASSERT_EQ(pf::scriptedHost().transcript.back(),
              "MSGBOX \"Invalid Selection\" exclamation OK \"You Must Select A Problem Module\" -> OK");
    EXPECT_TRUE(pf::isLoaded<FrmModuleSelection>());

    c.optProblemType[4]->userClick();
    c.optProblemType[1]->userClick();
    EXPECT_EQ(qv::S().intCurrentModule, 1);
    EXPECT_EQ(qv::S().intIntegerLP, 0);
    EXPECT_EQ(qv::S().lp.intReportDecimals, 3);
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Linear Programming Module");
    EXPECT_FALSE(c.optProblemType[4]->Value());
    c.optProblemType[5]->userClick();
    EXPECT_EQ(qv::S().strProblemFileExt, "S&S");
    c.optProblemType[6]->userClick();
    EXPECT_EQ(qv::S().strProblemFileExt, "S&S");
    EXPECT_EQ(qv::S().strProblemType, "MINIMAL SPANNING TREE PROBLEM");
}

TEST_F(StartupTest, FileExitEndsAtOnce) {
    qv::startProgram();
    frmStartup().cmdOK.userClick();
    EXPECT_THROW(frmMenu().mnuFileExit->Click(), pf::ProgramEnded);
}

TEST_F(StartupTest, ErrorReporterShowsPendingErrorOnly) {
    pf::Err().Clear();
    qverror::ReportError();
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());
    pf::scriptedHost().expectMessage(pf::vbOK);
    qverror::ReportError(pf::RuntimeError(9));
    EXPECT_EQ(pf::scriptedHost().transcript.back(),
              "MSGBOX \"Error # 9\" critical OK \"Subscript out of range\" -> OK");
    pf::Err().Clear();
}

}  // namespace
