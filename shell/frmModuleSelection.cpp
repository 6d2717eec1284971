#include "shell/frmModuleSelection.h"

#include <filesystem>

#include "platform/ui/Host.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Process.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"

FrmModuleSelection& frmModuleSelection() { return pf::instance<FrmModuleSelection>(); }

namespace {
constexpr long kNavy = 0x00800000;
constexpr long kWhite = 0x00FFFFFF;
constexpr long kLightOrange = 0x00C0E0FF;
constexpr long kGrey = 0x00C0C0C0;
}  // namespace

namespace qv {

namespace {
const char* const kPertDescription =
    "This module develops schedules for "
    "projects with up to 25 activities and 8 immediate "
    "predecessors for each activity.  Either certain activity "
    "times (single time estimates) or uncertain activity"
    " times (three time estimates) are allowed.  Activities "
    "are identified by letters of the alphabet; immediate "
    "predecessors must be represented by letters appearing earlier"
    " in the alphabet.";

const ModuleInfo kModules[13] = {
    {"", "", "", "", ""},
    {"1.  Linear Programming", "Linear Programming Module", "LINEAR PROGRAMMING PROBLEM", "LPM",
     "This module will maximize or minimize the value of a linear objective function subject to a set of linear contraints.  The program can handle problems containing up to 100 variables and 50 constraints."},
    {"2.  Transportation", "Transportation Module", "TRANSPORTATION PROBLEM", "TRN",
     "This module will find the optimal solution to transportation problems with up to 30 origins and 30 destinations."},
    {"3.  Assignment", "Assignment Module", "ASSIGNMENT PROBLEM", "ASN",
     "This module will minimize the cost or maximize the revenue associated with assigning a set of agents to a set of tasks.  The program will handle a maximum of 30 agents and a maximum of 30 tasks."},
    {"4.  Integer Linear Programming", "Integer Linear Programming Module",
     "INTEGER LINEAR PROGRAMMING PROBLEM", "LPM",
     "This module solves the following types of Integer Linear Programs:  All-Integer Linear Programs and Mixed Integer Programs.  The program can handle problems containing up to 100 decision variables and 50 constraints."},
    {"5.  Shortest Route", "Shortest Route Module", "SHORTEST ROUTE PROBLEM", "S&S",
     "This module will find the shortest route between any two nodes of a network.  Any node may be selected as the starting node and any other node may be selected as the ending node.  For a network consisting of M nodes and N arcs, the nodes must be numbered from 1 to M and the arcs must be numbered from 1 to N.  The program will handle networks with a maximum of 20 nodes and a maximum of 40 arcs."},
    {"6.  Minimal Spanning Tree", "Minimal Spanning Tree Module", "MINIMAL SPANNING TREE PROBLEM", "S&S",
     "This module will find the minimal spanning tree for a network consisting of M nodes and N arcs.  The nodes must be numbered from 1 to M and the arcs must be numbered from 1 to N.  The program will handle networks with a maximum of 20 nodes and a maximum of 40 arcs."},
    {"7.  PERT/CPM", "PERT/CPM Module", "PERT/CPM PROBLEM", "CPM", kPertDescription},
    {"8.  Inventory", "Inventory Module", "INVENTORY PROBLEM", "INV",
     "This module will provide optimal inventory decisions for the following models:  Economic Order Quantity, Economic Production Lot Size, Economic Order Quantity with Planned Shortages, Economic Order Quantity with Quantity Discounts, Order Quantity-Reorder Point with Probabilistic Demand, & Single-Period Inventory with Probabilistic Demand."},
    {"9.  Waiting Lines", "Waiting Lines Module", "WAITING LINES PROBLEM", "WLM",
     "This module provides the following waiting line models:  (i.) Poisson Arrivals with Exponential Service Times, (ii.) Poisson Arrivals and Arbitrary Service Times, (iii.) Poisson Arrivals and Deterministic Service Times, (iv.) Poisson Arrivals and Arbitrary Service Times (No Waiting), and (v.) Poisson Arrivals and Exponential Service Times with a Finite Calling Population.  Multiple-channel models may have a maximum of 25 channels."},
    {"10. Decision Analysis", "Decision Analysis Module", "DECISION ANALYSIS PROBLEM", "DSN",
     "This module solves balanced decision analysis problems.  The maximum number of decision alternatives is 10; the maximum number of states of nature for the chance event is 10."},
    {"11. Forecasting", "Forecasting Module", "FORECASTING PROBLEM", "FOR",
     "This module will compute forecasts for a time series using the following forecasting methods:  Moving Averages, Exponential Smoothing, Trend Projection, and Trend and Seasonal Components.  The program can analyze a time series with up to 100 data values (observations)."},
    {"12. Markov Processes", "Markov Processes Module", "MARKOV PROCESSES PROBLEM", "MRK",
     "This module will analyze Markov processes with up to 10 states.  Both Markov processes involving steady-state behavior and absorbing states can be analyzed."},
};

}  // namespace

const ModuleInfo& moduleInfo(int module) {
    if (module < 1 || module > 12) return kModules[0];
    return kModules[module];
}

std::string problemFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    auto usable = [&](const fs::path& p) {
        fs::create_directories(p, ec);
        if (!fs::is_directory(p, ec)) return false;
        // Writable: try to create and remove a probe file.
        fs::path probe = p / ".quorvane-probe";
        FILE* f = std::fopen(probe.c_str(), "w");
        if (!f) return false;
        std::fclose(f);
        fs::remove(probe, ec);
        return true;
    };
    fs::path beside = fs::path(pf::programFolder()) / "Problems";
    if (usable(beside)) return beside.string();
    fs::path home = fs::path(pf::homeFolder()) / "Problems";
    if (usable(home)) return home.string();
    return beside.string();
}

void showHomeScreen();  // defined with the home screens

}  // namespace qv

FrmModuleSelection::FrmModuleSelection() : pf::Form("frmModuleSelection", pf::FormKind::Child) {
    Move(0, 0, 9000, 5900);
    BackColor(kGrey);
    Shape1.Move(120, 600, 8760, 5180);
    Text1.Move(0, 0, 9000, 480);
    Text1.Caption("  Select A Module");
    Text1.FontName("Century Gothic");
    Text1.FontSize(14);
    Text1.FontBold(true);
    Text1.BackColor(kNavy);
    Text1.ForeColor(kWhite);
    Picture1.Move(8400, 60, 360, 360);
    Picture1.BackColor(kNavy);
    framProbSel.Move(240, 720, 4080, 4320);
    framProbSel.FontName("MS Sans Serif");
    for (int i = 1; i <= 12; ++i) {
        auto& o = optProblemType[static_cast<std::size_t>(i)];
        o = std::make_unique<pf::OptionButton>(this, "optProblemType", i, &framProbSel);
        o->FontName("Century Gothic");
        o->FontSize(9);
        o->Move(180, 240 + (i - 1) * 330, 3780, 300);
        o->TabIndex = i;
        o->Click = [this, i] { optProblemType_Click(i); };
        o->DblClick = [this, i] { optProblemType_DblClick(i); };
        o->KeyDown = [this, i](int& k, int s) { optProblemType_KeyDown(i, k, s); };
    }
    txtprobsel.Move(4560, 720, 4200, 4320);
    txtprobsel.FontName("Century Gothic");
    txtprobsel.FontSize(10);
    txtprobsel.WordWrap(true);
    txtprobsel.UseMnemonic(false);  // a description: "&" is a plain ampersand
    txtprobsel.BackColor(kLightOrange);
    txtprobsel.ForeColor(kNavy);
    txtprobsel.BorderStyle(1);
    txtprobsel.IndentByBlanks(1);  // clear of the box's border
    cmdOK.Move(3850, 5280, 1300, 420);
    cmdOK.Caption("OK");
    cmdOK.FontName("Century Gothic");
    cmdOK.TabIndex = 13;
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdOK.Default(true);  // Enter on a picked module opens it
    KeyDown = [this](int& k, int s) { Form_KeyDown(k, s); };
}

void FrmModuleSelection::Form_Load() {
    Left((frmMenu().Width() - Width()) / 2);
    Top(430);
    long c1 = Text1.BackColor();
    Text1.BackColor(QVCommon::PaletteColor(c1));
    long c2 = txtprobsel.BackColor();
    txtprobsel.BackColor(QVCommon::PaletteColor(c2));
    qv::S().intCurrentModule = 0;
    for (int i = 1; i <= 12; ++i)
        optProblemType[static_cast<std::size_t>(i)]->Caption(qv::moduleInfo(i).optionCaption);
    optProblemType[1]->Value(false);
    frmMenu().lblmoduleindicator.Caption("");
}

void FrmModuleSelection::optProblemType_Click(int index) {
    auto& s = qv::S();
    s.intCurrentModule = index;
    if (index >= 1 && index <= 12) {
        const auto& m = qv::moduleInfo(index);
        frmMenu().lblmoduleindicator.Caption(m.statusCaption);
        txtprobsel.Caption(m.description);
        s.strProblemType = m.problemTitle;
        s.strProblemFileExt = m.extension;
        if (index == 1) {
            s.intIntegerLP = 0;
            s.lp.intReportDecimals = 3;
        } else if (index == 4) {
            s.intIntegerLP = 1;
            s.lp.intReportDecimals = 3;
        }
    } else {
        txtprobsel.Caption("");
    }
    s.strProblemFolder = qv::problemFolder();
}

void FrmModuleSelection::optProblemType_DblClick(int index) {
    qv::S().intCurrentModule = index;
    cmdOK_Click();
}

void FrmModuleSelection::cmdOK_Click() {
    if (qv::S().intCurrentModule == 0) {
        pf::MsgBox("You Must Select A Problem Module", pf::vbExclamation + pf::vbOKOnly,
                   "Invalid Selection");
        frmMenu().SetFocus();
        return;
    }
    pf::Unload(*this);
    qv::showHomeScreen();
    frmMenu().SetFocus();
}

void FrmModuleSelection::Form_KeyDown(int& /*keyCode*/, int shift) {
    if (shift == pf::vbAltMask) frmMenu().SetFocus();
}

void FrmModuleSelection::optProblemType_KeyDown(int /*index*/, int& /*keyCode*/, int shift) {
    if (shift == pf::vbAltMask) frmMenu().SetFocus();
}
