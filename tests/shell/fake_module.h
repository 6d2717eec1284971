#pragma once
// A stand-in module for the shell's command tests: a grid home screen named like the
// real one, a solution window, and a Markov-like module registered in the test's own
// registry entry (module 12), so the File, Edit and Solution commands can be walked
// before the real module exists.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "platform/core/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/MenuState.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "tests/ui_test_support.h"

namespace fake {

class Home : public pf::Form {
public:
    Home() : pf::Form("frmProblem", pf::FormKind::Child) {}
    void Form_Load() override { qv::menuEvent(qv::MenuEvent::HomeScreenLoaded); }
    void Form_Unload(int&) override { qv::menuEvent(qv::MenuEvent::HomeScreenUnloaded); }
    pf::Label txtLoadInfo{this, "txtLoadInfo"};
    pf::Label lblLoadInfo{this, "lblLoadInfo"};
    pf::Grid gridDisplayEdit{this, "gridDisplayEdit"};
};
inline Home& home() { return pf::instance<Home>(); }

class Solution : public pf::Form {
public:
    Solution() : pf::Form("frmSolution", pf::FormKind::Child) { ScrolledFromMainWindow(gridSolution); }
    void Form_Unload(int&) override { qv::menuEvent(qv::MenuEvent::SolutionWindowClosed); }
    pf::Grid gridSolution{this, "gridSolution"};
};
inline Solution& solution() { return pf::instance<Solution>(); }

// Lays the transition grid out from the state.
inline void layOut() {
    auto& S = qv::S();
    const int k = static_cast<int>(S.mk.intStateCount.num());
    auto& g = home().gridDisplayEdit;
    g.Rows(k + 1);
    g.Cols(k + 1);
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j <= k; ++j)
            g.TextMatrix(i, j, S.blnNewProblem ? std::string() : pf::PlainNumber(S.mk.dblTransitionMatrix(i, j).num()));
    S.strProblemEntered = "YES";
    qv::menuEvent(qv::MenuEvent::ProblemLaidOut);
}

// The registry entry of the stand-in and its validator; counts what ran.
struct Module {
    int solves = 0;
    int failSolveWith = 0;  // a run-time error number the solver raises
    bool showSolution = true;

    void install() {
        qv::ModuleProcedures p;
        p.showHomeScreen = [] { home().Show(); };
        p.newProblem = [] {
            auto& S = qv::S();
            std::string n = pf::InputBox("Number of states", "Markov", "");
            S.blnDialogCancelled = n.empty();
            if (n.empty()) return;
            S.mk.intStateCount = std::stoi(n);
            S.mk.dblTransitionMatrix.ReDim(10, 10);
            S.strProblemEntered = "NO";
            layOut();
        };
        p.rebuildScreen = [] { layOut(); };
        p.solve = [this] {
            ++solves;
            if (failSolveWith) pf::raise(failSolveWith);
            if (!showSolution) return;
            solution().gridSolution.AddItem("Markov Processes Solution");
            solution().Show();
        };
        p.report = [](pf::ReportSink& out) {
            out.line("Markov report");
            out.newPage();
            out.line("page two");
        };
        qv::modules(12) = p;
        qv::cellValidators().problemCell = [](int row, int col, std::string& text, int& result) {
            auto& S = qv::S();
            result = 0;
            if (text.empty()) {
                S.mk.dblTransitionMatrix(row, col) = 0;
                if (S.blnZeroFillPending) result = 888;
                return;
            }
            char* end = nullptr;
            double v = std::strtod(text.c_str(), &end);
            if (*end != '\0') {
                pf::MsgBox("NOT A NUMBER", pf::vbCritical, "Data Input Error");
                result = 999;
                return;
            }
            S.mk.dblTransitionMatrix(row, col) = v;
        };
    }
};

// Keeps the registry entries a test replaces and puts them back afterwards.
class CommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        pf::unloadAll();
        qv::resetState();
        h().transcript.clear();
        h().clearAnswers();
        for (int m = 1; m <= 12; ++m) savedModules_[m] = qv::modules(m);
        savedValidators_ = qv::cellValidators();
        dir_ = qvtest::emptyTestDir("qv_cmd_");
        frmMenu();
        pf::Unload<FrmModuleSelection>();
        auto& S = qv::S();
        S.intCurrentModule = 12;
        S.strProblemType = "MARKOV PROCESS PROBLEM";
        S.strProblemFileExt = "MRK";
        S.strProblemFolder = dir_.string();
        frmMenu().lblmoduleindicator.Caption("Markov Processes Module");
        module.install();
    }
    void TearDown() override {
        pf::unloadAll();
        for (int m = 1; m <= 12; ++m) qv::modules(m) = savedModules_[m];
        qv::cellValidators() = savedValidators_;
        h().clearAnswers();
        std::filesystem::remove_all(dir_);
    }
    static pf::ScriptedHost& h() { return pf::scriptedHost(); }

    // The menu items the event table switches, as one line.
    static std::string menus() {
        FrmMenu& m = frmMenu();
        auto b = [](const pf::MenuItem* i) { return i->Enabled() ? "1" : "0"; };
        std::string s = std::string("New=") + b(m.mnuFileNew) + " Open=" + b(m.mnuFileOpen) +
                        " Save=" + b(m.mnuFileSave) + " Change=" + b(m.mnuFileChangeModules) +
                        " Edit=" + b(m.mnudispedit) + " Item0=" + b(&(*m.mnudispeditsubs)(0)) +
                        " Solution=" + b(m.mnuSolution) + " Print=" + b(m.mnuSolutionPrinttoPrinter) +
                        " Text=" + b(m.mnuSolutionPrinttoText);
        return s;
    }
    static std::string caption() { return frmMenu().lblmoduleindicator.Caption(); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string slurp(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    static void put(const std::string& p, const std::string& bytes) {
        std::ofstream out(p, std::ios::binary);
        out << bytes;
    }
    // Home screen with a laid-out problem of k states, cells as given row by row.
    void laidOut(int k, const std::vector<std::string>& cells) {
        home().Show();
        h().expectInput(std::to_string(k));
        frmMenu().mnuFileNew_Click();
        auto& g = home().gridDisplayEdit;
        for (int i = 0; i < static_cast<int>(cells.size()); ++i) g.TextMatrix(1 + i / k, 1 + i % k, cells[i]);
        h().transcript.clear();
    }
    bool lastIs(const std::string& line) const { return !h().transcript.empty() && h().transcript.back() == line; }

    Module module;
    std::filesystem::path dir_;

private:
    qv::ModuleProcedures savedModules_[13];
    qv::CellValidators savedValidators_;
};

}  // namespace fake
