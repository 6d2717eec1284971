#pragma once
// What every test of windows starts from: no window loaded, the initial shared
// state, and a scripted host with no answers queued and an empty transcript.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/ui/Form.h"
#include "platform/ui/Host.h"
#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmStartup.h"

namespace qvtest {

inline void resetProgram() {
    pf::unloadAll();
    qv::resetState();
    pf::scriptedHost().transcript.clear();
    pf::scriptedHost().clearAnswers();
}

// An empty folder of the running test's own, named from `prefix`, the process and
// the test, so that tests running side by side never share files.
inline std::filesystem::path emptyTestDir(const std::string& prefix) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      (prefix + std::to_string(::getpid()) + "_" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// The main window alone, without the module chooser it opens, with `module` current;
// the shared state is otherwise kept.
inline void mainWindowAlone(int module) {
    pf::unloadAll();
    pf::collectUnloaded();
    frmMenu();
    pf::Unload<FrmModuleSelection>();
    pf::collectUnloaded();
    qv::S().intCurrentModule = module;
}

// A window as the user sees it: on screen and active, its events processed.
inline void onScreen(pf::Form& f) {
    f.window()->show();
    f.window()->activateWindow();
    QApplication::processEvents();
}

// `module` chosen in the module chooser, which closes.
inline void chooseModule(int module) {
    frmModuleSelection().optProblemType[static_cast<std::size_t>(module)]->userClick();
    frmModuleSelection().cmdOK.userClick();
    pf::collectUnloaded();
}

// The main window with `module` chosen in the chooser, on screen.
inline void chosenModule(int module) {
    resetProgram();
    frmMenu();
    chooseModule(module);
    onScreen(frmMenu());
}

// The program started as the user starts it: Continue on the opening window, then
// `module` chosen.
inline void startedIn(int module) {
    qv::startProgram();
    frmStartup().cmdOK.userClick();
    pf::collectUnloaded();
    chooseModule(module);
}

// A test of windows: it starts with none loaded, and ends having used every answer it
// queued, with the scripted host back in place of a Qt host the test put in.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { resetProgram(); }
    void TearDown() override {
        if (!dynamic_cast<pf::ScriptedHost*>(&pf::host())) pf::setHost(std::make_unique<pf::ScriptedHost>());
        EXPECT_TRUE(pf::scriptedHost().allAnswersUsed());
        resetProgram();
    }
};

// A test of the Qt host's own dialogs, over the main window on screen.
class QtHostTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        mainWindowAlone(1);
        frmMenu().Show();
        pf::setHost(pf::makeQtHost());
    }
};

// A test that starts from the main window with its chooser.
class MainWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        frmMenu();
    }
};

}  // namespace qvtest
