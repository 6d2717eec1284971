#include "shell/core/ProblemFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/core/Errors.h"

namespace qv {
namespace {

constexpr const char* kTransportation = "TRANSPORTATION PROBLEM";
constexpr const char* kAssignment = "ASSIGNMENT PROBLEM";

SharedState& fresh(int module, const char* type = "") {
    resetState();
    S().intCurrentModule = module;
    S().strProblemType = type;
    return S();
}

void read(const std::string& text) {
    pf::FieldReader in(text);
    ProblemFileHooks hooks;
    ReadProblemRecords(S(), in, hooks);
}

std::string write() {
    pf::FieldWriter out;
    WriteProblemRecords(S(), out);
    return out.contents();
}

int readFailure(int module, const char* type, const std::string& text) {
    fresh(module, type);
    try {
        read(text);
    } catch (const pf::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// Each format: a file written by hand (blanks, records split over lines or joined on
// one, an empty value, ".5", an exponent) and the writer's exact output for the state
// read from it. The written file must read back to a state that writes the same bytes.
struct FormatCase {
    const char* name;
    int module;
    const char* type;
    std::string handWritten;
    std::string written;
    // What the written file gives when read and written again, where that differs: an
    // inventory value that is empty is written as 0 with an empty text and reads back as 0.
    std::string rewritten = {};
};

const std::vector<FormatCase>& formatCases() {
    static const std::vector<FormatCase> cases = {
        {"LPM", 1, "LINEAR PROGRAMMING PROBLEM",
         "2.0E0\r\n\"C:\\old\\x.LPM\"\r\n\"MAX 3X1+2X2\"\r\n\"X1+X2<4\", \"X1<3\"\r\n",
         "2\r\n\"/p/a'b.LPM\"\r\n\"MAX 3X1+2X2\"\r\n\"X1+X2<4\"\r\n\"X1<3\"\r\n"},
        {"TRN", 2, kTransportation,
         "1,2\r\n2\r\n.5\r\n\r\n1.5E1\r\n-3\r\n10\r\n20,-15\r\n-15\r\n",
         "1,2,2\r\n0.5\r\n\r\n15\r\n-3\r\n10\r\n20\r\n-15\r\n-15\r\n"},
        {"ASN", 3, kAssignment, "1,2\r\n2\r\n.5\r\n\r\n1.5E1\r\n-3\r\n",
         "1,2,2\r\n0.5\r\n\r\n15\r\n-3\r\n"},
        {"S&S", 5, "SHORTEST ROUTE PROBLEM", " 2.0,3,3\r\n1\r\n2\r\n12.3456\r\n2,3\r\n.5\r\n1\r\n3\r\n1.5E1\r\n",
         "2,3,3\r\n1\r\n2\r\n12.346\r\n2\r\n3\r\n0.5\r\n1\r\n3\r\n15\r\n"},
        {"CPM", 7, "PERT/CPM PROBLEM",
         "1,\"2\",3,2\r\n4,0\r\n.5,1\r\n6\r\n2\r\n1\r\n1\r\n2\r\n2,4\r\n6,0.444\r\n,1\r\n2,1.5E-1\r\n5,6\r\n7,8\r\n",
         "1,2,3,2\r\n4,0\r\n0.5,1\r\n6,2\r\n1\r\n1\r\n2\r\n2,4\r\n6,0.444\r\n,1\r\n2,0.15\r\n5,6\r\n7,8\r\n"},
        {"INV", 8, "INVENTORY PROBLEM",
         "4,1.2E3,\"1200\",50,\"50\",1,\"20\",20,\"20\",5,\"5\",0,\"\",250,\"250\",,\"\",0,\"\"\r\n"
         "0,\"\",2,\"2\",.5,\".5\",0,\"\",0,\"\",1,\"1\",0,0,1,2,\"2\",0,\"\",0,\"\",0,\"\",0\r\n\"\"\r\n"
         "5,\"\",0,\"\"\r\n4.8,\"x\",1000,\"\"\r\n",
         "4,1200,\"1200\",50,\"50\",1,\"20\",20,\"20\",5,\"5\",0,\"0\",250,\"250\",0,\"\",0,\"0\"\r\n"
         "0,\"0\",2,\"2\",0.5,\"0.5\",0,\"0\",0,\"0\",1,\"1\",0,0,1,2,\"2\",0,\"0\",0,\"0\",0,\"0\",0,\"0\"\r\n"
         "5,\"\",0,\"\"\r\n4.8,\"x\",1000,\"\"\r\n",
         "4,1200,\"1200\",50,\"50\",1,\"20\",20,\"20\",5,\"5\",0,\"0\",250,\"250\",0,\"0\",0,\"0\"\r\n"
         "0,\"0\",2,\"2\",0.5,\"0.5\",0,\"0\",0,\"0\",1,\"1\",0,0,1,2,\"2\",0,\"0\",0,\"0\",0,\"0\",0,\"0\"\r\n"
         "5,\"\",0,\"\"\r\n4.8,\"x\",1000,\"\"\r\n"},
        {"WLM", 9, "WAITING LINES PROBLEM",
         "1,2,10,4,,0.5,\"YES\"\r\n1.5E1,.5,\"2\",\"10\",\"4\",\"\",\"15\",\"0.5\"\r\n",
         "1,2,10,4,,0.5,\"YES\",15,0.5,\"2\",\"10\",\"4\",\"\",\"15\",\"0.5\"\r\n"},
        {"DSN", 10, "DECISION ANALYSIS PROBLEM",
         "2,2,2,1,1,\"YES\",\"YES\"\r\n10\r\n.5\r\n\r\n-2E1\r\n0.4\r\n0.6\r\n1\r\n2\r\n0.8,0.2\r\n0.3\r\n0.7\r\n",
         "2,2,2,1,1,\"YES\",\"YES\"\r\n10\r\n0.5\r\n\r\n-20\r\n0.4\r\n0.6\r\n1,2\r\n0.8\r\n0.2\r\n0.3\r\n0.7\r\n"},
        {"FOR", 11, "FORECASTING PROBLEM", " 3 , 1\r\n.5\r\n\r\n1.5E2\r\n", "3,1\r\n0.5\r\n\r\n150\r\n"},
        {"MRK", 12, "MARKOV PROCESS PROBLEM", "2\r\n.5\r\n0.5,\r\n1E0\r\n", "2\r\n0.5\r\n0.5\r\n\r\n1\r\n"},
    };
    return cases;
}

TEST(ProblemFileFormats, HandWrittenFileWritesBackInCanonicalFormAndRereads) {
    for (const FormatCase& c : formatCases()) {
        SCOPED_TRACE(c.name);
        fresh(c.module, c.type);
        S().strProblemFileName = "/p/a\"b.LPM";
        read(c.handWritten);
        EXPECT_EQ(write(), c.written);
        // The written file reads back to a state that writes the same bytes.
        fresh(c.module, c.type);
        S().strProblemFileName = "/p/a\"b.LPM";
        read(c.written);
        EXPECT_EQ(write(), c.rewritten.empty() ? c.written : c.rewritten);
    }
}

TEST(ProblemFileFormats, EveryFileCutAtALineEndFailsAtItsEnd) {
    for (const FormatCase& c : formatCases()) {
        SCOPED_TRACE(c.name);
        const std::string& text = c.written;
        for (std::size_t pos = text.find("\r\n"); pos + 2 < text.size(); pos = text.find("\r\n", pos + 2)) {
            SCOPED_TRACE(pos);
            EXPECT_EQ(readFailure(c.module, c.type, text.substr(0, pos + 2)), pf::errInputPastEnd);
        }
        EXPECT_EQ(readFailure(c.module, c.type, ""), pf::errInputPastEnd);
    }
}

TEST(ProblemFileFormats, RandomBytesFailCleanly) {
    std::mt19937 gen(4711);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 20; ++round) {
        std::string junk;
        for (int i = 0; i < 300; ++i) junk += static_cast<char>(byte(gen));
        for (const FormatCase& c : formatCases()) {
            SCOPED_TRACE(c.name);
            EXPECT_NE(readFailure(c.module, c.type, junk), 0);
        }
    }
}

TEST(ProblemFileRead, LinearProgramFillsTheTextModel) {
    fresh(4, "INTEGER LINEAR PROGRAMMING PROBLEM");
    read(formatCases()[0].handWritten);
    const LPBlock& L = S().lp;
    EXPECT_EQ(L.intConstraintCount, 2);
    EXPECT_EQ(L.strModelLines(1), "C:\\old\\x.LPM");  // a moved file keeps its old path
    EXPECT_EQ(L.strModelLines(2), "MAX 3X1+2X2");
    EXPECT_EQ(L.strModelLines(3), "X1+X2<4");
    EXPECT_EQ(L.strModelLines(4), "X1<3");
    EXPECT_EQ(L.strModelLines(5), "");
    EXPECT_EQ(L.strModelLines.UBound(), 255);
    EXPECT_FALSE(S().blnNewProblem);
}

TEST(ProblemFileWrite, ModelPathLineIsSafeInAQuotedField) {
    EXPECT_EQ(ModelPathLine("C:\\a\"b\r\nc\nd\re.LPM"), "C:\\a'b c d e.LPM");
    fresh(1);
    S().lp.intConstraintCount = 1;
    S().lp.strModelLines.ReDim(255);
    S().lp.strModelLines(2) = "MAX 1X";
    S().lp.strModelLines(3) = "1X<1";
    S().strProblemFileName = "/x/\"q\".LPM";
    EXPECT_EQ(write(), "1\r\n\"/x/'q'.LPM\"\r\n\"MAX 1X\"\r\n\"1X<1\"\r\n");
    EXPECT_EQ(S().lp.strModelLines(1), "/x/'q'.LPM");
    EXPECT_EQ(S().strProblemFileName, "/x/\"q\".LPM");
}

TEST(ProblemFileRead, TransportationSetsArcsAndNodes) {
    fresh(2, kTransportation);
    read(formatCases()[1].handWritten);
    const TransportBlock& T = S().tr;
    EXPECT_EQ(S().intDecimalPlaces.num(), 1);
    EXPECT_EQ(T.intOriginCount, 2);
    EXPECT_EQ(T.intDestinationCount, 2);
    EXPECT_EQ(S().intNodeCount, 4);
    EXPECT_EQ(S().intArcCount, 4);
    EXPECT_EQ(T.dblArcCosts(1).num(), 0.5);
    EXPECT_TRUE(T.dblArcCosts(2).IsEmpty());
    EXPECT_EQ(T.dblArcCosts(3).num(), 15);
    EXPECT_EQ(T.dblArcCosts(4).num(), -3);
    const std::vector<int> tails{1, 1, 2, 2}, heads{3, 4, 3, 4}, supplies{10, 20, -15, -15};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(T.lngArcTails(k), tails[k - 1]);
        EXPECT_EQ(T.intArcHeads(k), heads[k - 1]);
        EXPECT_EQ(T.lngNodeSupplies(k), supplies[k - 1]);
    }
    EXPECT_EQ(T.dblArcCosts.UBound(), 8);
    EXPECT_EQ(T.lngNodeSupplies.UBound(), 5);
}

TEST(ProblemFileRead, TransportationAndAssignmentFilesAcrossTheTwoModules) {
    // The node records are read only in the transportation module.
    EXPECT_EQ(readFailure(2, kTransportation, formatCases()[2].written), pf::errInputPastEnd);
    fresh(3, kAssignment);
    read(formatCases()[1].written);
    const std::vector<int> supplies{1, 1, -1, -1};
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(S().tr.lngNodeSupplies(k), supplies[k - 1]);
    EXPECT_EQ(S().tr.dblArcCosts(3).num(), 15);

    // One destination: arc k starts at origin k.
    fresh(2, kTransportation);
    read("0,3,1\r\n1\r\n2\r\n3\r\n5\r\n5\r\n5\r\n-15\r\n");
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(S().tr.lngArcTails(k), k);
        EXPECT_EQ(S().tr.intArcHeads(k), 4);
    }
}

TEST(ProblemFileRead, TransportationBeyondThirtyOriginsReadsWhileIndexesFit) {
    std::string text = "0,40,2\r\n";
    for (int k = 0; k < 80; ++k) text += "1\r\n";
    for (int k = 0; k < 42; ++k) text += k < 40 ? "1\r\n" : "-20\r\n";
    fresh(2, kTransportation);
    read(text);
    EXPECT_EQ(S().tr.intOriginCount, 40);
    EXPECT_EQ(S().intArcCount, 80);
    EXPECT_EQ(S().tr.lngArcTails(80), 40);
    EXPECT_EQ(S().tr.intArcHeads(80), 42);
    EXPECT_EQ(S().tr.lngNodeSupplies(42), -20);
}

TEST(ProblemFileRead, NetworkDistancesAreHeldInThousandths) {
    fresh(6, "MINIMAL SPANNING TREE PROBLEM");
    read(formatCases()[3].handWritten);
    const auto& arcs = S().net.lngNetworkArcs;
    EXPECT_EQ(S().intDecimalPlaces.num(), 2);
    EXPECT_EQ(S().intNodeCount, 3);
    EXPECT_EQ(S().intArcCount, 3);
    EXPECT_EQ(arcs(1, 1), 1);
    EXPECT_EQ(arcs(1, 2), 2);
    EXPECT_EQ(arcs(1, 3), 12346);  // 12.3456 read as 12346 thousandths
    EXPECT_EQ(arcs(2, 3), 500);
    EXPECT_EQ(arcs(3, 3), 15000);
    EXPECT_EQ(arcs.UBound(1), 40);

    fresh(5, "SHORTEST ROUTE PROBLEM");
    read("0,2,2\r\n1\r\n2\r\n12.345\r\n1\r\n2\r\n0.0005\r\n");
    EXPECT_EQ(S().net.lngNetworkArcs(1, 3), 12345);
    EXPECT_EQ(S().net.lngNetworkArcs(2, 3), 0);  // an exact half goes to the even neighbour
    EXPECT_EQ(write(), "0,2,2\r\n1\r\n2\r\n12.345\r\n1\r\n2\r\n0\r\n");
}

TEST(ProblemFileRead, PertActivitiesAndPredecessors) {
    fresh(7);
    S().blnNewProblem = true;
    read(formatCases()[4].handWritten);
    const PertBlock& P = S().pert;
    EXPECT_EQ(S().intDecimalPlaces.num(), 1);
    EXPECT_EQ(P.intExpectedTimeDecimals.num(), 2);  // a quoted number reads as the number
    EXPECT_EQ(P.intActivityCount, 3);
    EXPECT_EQ(P.intTimeEstimateMode.num(), 2);
    EXPECT_EQ(P.dblExpectedTimes(2).num(), 0.5);
    // Activity A has no predecessor records; B's follows at once.
    EXPECT_EQ(P.intPredecessorCounts(1).num(), 0);
    EXPECT_EQ(P.intPredecessorMatrix(2, 1).num(), 1);
    EXPECT_EQ(P.intPredecessorMatrix(3, 2).num(), 2);
    EXPECT_EQ(P.dblOptimisticTimes(1).num(), 2);
    EXPECT_EQ(P.dblTimeVariances(1).num(), 0.444);
    EXPECT_TRUE(P.dblOptimisticTimes(2).IsEmpty());
    EXPECT_EQ(P.dblTimeVariances(2).num(), 0.15);
    EXPECT_EQ(P.dblPessimisticTimes(3).num(), 7);
    EXPECT_EQ(S().strProblemEntered, "YES");
    EXPECT_FALSE(S().blnNewProblem);

    // Mode 1 has no estimate records; the writer clears the new-problem flag.
    fresh(7);
    read("0,0,2,1\r\n3,\r\n4,1\r\n1\r\n");
    EXPECT_TRUE(S().pert.intPredecessorCounts(1).IsEmpty());  // empty count gives no records
    S().blnNewProblem = true;
    EXPECT_EQ(write(), "0,0,2,1\r\n3,\r\n4,1\r\n1\r\n");
    EXPECT_FALSE(S().blnNewProblem);
}

TEST(ProblemFileRead, InventoryRecordsAndCategories) {
    fresh(8);
    S().strProblemEntered = "NO";
    read(formatCases()[5].handWritten);
    const InventoryBlock& I = S().inv;
    EXPECT_EQ(I.intInventoryModel, 4);
    EXPECT_EQ(I.dblAnnualDemand.num(), 1200);
    EXPECT_EQ(I.dblHoldingCost.num(), 1);
    EXPECT_EQ(I.strHoldingCostText, "20");
    EXPECT_EQ(S().varUnitCost.num(), 5);
    EXPECT_TRUE(I.dblLeadTime.IsEmpty());
    EXPECT_EQ(I.intServiceLevelMethod.num(), 2);
    EXPECT_EQ(I.dblStockoutProbability.num(), 0.5);
    EXPECT_EQ(I.intHoldingCostMethod.num(), 1);
    EXPECT_EQ(I.intComputeReorderPoint.num(), 1);
    EXPECT_EQ(I.intDiscountCount.num(), 2);
    EXPECT_EQ(I.dblCategoryUnitCosts(2).num(), 4.8);
    EXPECT_EQ(I.strCategoryUnitCostTexts(2), "x");
    EXPECT_EQ(I.dblCategoryMinQuantities(2).num(), 1000);
    EXPECT_EQ(I.dblNormalTable.UBound(), 310);
    EXPECT_EQ(I.dblCategoryTotalCosts.UBound(), 6);
    EXPECT_EQ(S().strProblemEntered, "NO");  // the input form's buttons set it

    // Holding cost given as an amount: its text is written from the amount.
    S().inv.intHoldingCostMethod = 0;
    S().inv.dblHoldingCost = 2.5;
    S().inv.intDiscountCount.Clear();
    const std::string text = write();
    EXPECT_EQ(S().inv.strHoldingCostText, "2.5");
    EXPECT_NE(text.find(",2.5,\"2.5\","), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);  // no category records
}

TEST(ProblemFileRead, WaitingLineModelAndCaptions) {
    fresh(9);
    read(formatCases()[6].handWritten);
    const WaitingBlock& W = S().wl;
    EXPECT_EQ(W.intWaitingLineModel, 1);
    EXPECT_EQ(W.intChannelCount.num(), 2);
    EXPECT_TRUE(W.intPopulationSize.IsEmpty());
    EXPECT_EQ(W.dblServiceStdDev.num(), 0.5);
    EXPECT_EQ(W.strEconomicAnalysis, "YES");
    EXPECT_EQ(S().dblCostPerUnit, 15);
    EXPECT_EQ(W.dblChannelCost.num(), 0.5);
    EXPECT_EQ(S().dblProbabilityTable.UBound(1), 200);
    EXPECT_EQ(W.dblBlockedTerms.UBound(), 26);
}

TEST(ProblemFileRead, DecisionSections) {
    fresh(10);
    read(formatCases()[7].handWritten);
    const DecisionBlock& D = S().dec;
    EXPECT_EQ(D.intNatureStateCount, 2);
    EXPECT_EQ(D.intAlternativeCount, 2);
    EXPECT_EQ(D.dblPayoffTable(1, 2).num(), 0.5);
    EXPECT_TRUE(D.dblPayoffTable(2, 1).IsEmpty());
    EXPECT_EQ(D.dblSignedPayoffs(2, 2).num(), -20);
    EXPECT_EQ(D.dblStateProbabilities(2).num(), 0.6);
    EXPECT_EQ(D.intIndicatorCount, 2);
    EXPECT_EQ(D.dblIndicatorGivenStateTable(1, 2).num(), 0.2);
    EXPECT_EQ(D.dblIndicatorGivenStateTable(2, 1).num(), 0.3);
    EXPECT_EQ(D.strStrategyRequested, "YES");

    // A strategy flag without state probabilities: neither section is in the file, and
    // the strategy counts as not requested (the text flags follow the 1/0 flags).
    const std::string noProbs = "0,1,2,0,1,\"NO\",\"YES\"\r\n1\r\n2\r\n";
    fresh(10);
    read(noProbs);
    EXPECT_EQ(S().dec.intStrategyFlag.num(), 0);
    EXPECT_EQ(S().dec.strStrategyRequested, "NO");
    EXPECT_EQ(S().dec.dblPayoffTable(2, 1).num(), 2);
    EXPECT_EQ(write(), "0,1,2,0,0,\"NO\",\"NO\"\r\n1\r\n2\r\n");
}

TEST(ProblemFileRead, ForecastAndMarkov) {
    fresh(11);
    read(formatCases()[8].handWritten);
    EXPECT_EQ(S().fc.intPeriodCount, 3);
    EXPECT_EQ(S().intDecimalPlaces.num(), 1);
    EXPECT_EQ(S().fc.dblTimeSeries(1, 1).num(), 0.5);
    EXPECT_TRUE(S().fc.dblTimeSeries(2, 1).IsEmpty());
    EXPECT_EQ(S().fc.dblTimeSeries(3, 1).num(), 150);
    EXPECT_EQ(S().fc.dblTimeSeries.UBound(1), 112);

    fresh(12);
    read(formatCases()[9].handWritten);
    EXPECT_EQ(S().mk.intStateCount.num(), 2);
    EXPECT_EQ(S().mk.dblTransitionMatrix(1, 2).num(), 0.5);
    EXPECT_TRUE(S().mk.dblTransitionMatrix(2, 1).IsEmpty());
    EXPECT_EQ(S().mk.dblTransitionMatrix(2, 2).num(), 1);
}

// Counts a module cannot hold fail the read before anything is indexed by them.
TEST(ProblemFileRead, CountsOutsideTheModulesLimitsFail) {
    // 51 constraints fit the model's lines; with no parser to refuse them the count does.
    std::string lp51 = "51\r\n\"p\"\r\n\"MAX 1X\"\r\n";
    for (int i = 1; i <= 51; ++i) lp51 += "\"1X<1\"\r\n";
    struct Case {
        const char* what;
        int module;
        const char* type;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"no constraints", 1, "", "0\r\n\"p\"\r\n\"MAX 1X\"\r\n"},
        {"51 constraints", 1, "", lp51},
        {"more constraints than the model's lines", 1, "", "254\r\n"},
        {"no origins", 2, kTransportation, "0,0,3\r\n"},
        {"negative tasks", 3, kAssignment, "0,3,-2\r\n"},
        {"indexes beyond 16 bits", 2, kTransportation, "0,200,200\r\n"},
        {"1 node", 5, "", "0,1,1\r\n"},
        {"21 nodes", 5, "", "0,21,1\r\n"},
        {"41 arcs", 6, "", "0,5,41\r\n"},
        {"distance beyond 32 bits", 5, "", "0,2,1\r\n1\r\n2\r\n3E6\r\n"},
        {"26 activities", 7, "", "0,0,26,1\r\n"},
        {"no activities", 7, "", "0,0,0,1\r\n"},
        {"more predecessors than earlier activities", 7, "", "0,0,2,1\r\n1,0\r\n1,2\r\n"},
        {"predecessor not before its activity", 7, "", "0,0,2,1\r\n1,0\r\n1,1\r\n2\r\n"},
        {"predecessor 0", 7, "", "0,0,2,1\r\n1,0\r\n1,1\r\n0\r\n"},
        {"6 discount categories", 8, "",
         "4,0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\"\r\n"
         "0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,0,0,6,\"6\",0,\"\",0,\"\",0,\"\",0,\"\"\r\n"},
        {"26 channels", 9, "", "1,26,1,2,,,\"NO\",0,0,\"\",\"\",\"\",\"\",\"\",\"\"\r\n"},
        {"0 channels", 9, "", "1,0,1,2,,,\"NO\",0,0,\"\",\"\",\"\",\"\",\"\",\"\"\r\n"},
        {"11 alternatives", 10, "", "0,2,11,0,0,\"NO\",\"NO\"\r\n"},
        {"11 states of nature", 10, "", "0,11,2,0,0,\"NO\",\"NO\"\r\n"},
        {"11 indicators", 10, "", "0,1,1,1,1,\"YES\",\"YES\"\r\n5\r\n1\r\n1,11\r\n"},
        {"101 periods", 11, "", "101,0\r\n"},
        {"no periods", 11, "", "0,0\r\n"},
        {"11 states", 12, "", "11\r\n"},
        {"empty state count", 12, "", "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int number = readFailure(c.module, c.type, c.text);
        EXPECT_NE(number, 0);
        EXPECT_NE(number, pf::errInputPastEnd);  // refused at the count, not at the end
    }
    // A refused count is not stored.
    readFailure(11, "", "101,0\r\n");
    EXPECT_EQ(S().fc.intPeriodCount, 0);
}

TEST(ProblemFileRead, FieldsThatDoNotFitTheirTarget) {
    EXPECT_EQ(readFailure(11, "", "\"abc\",0\r\n"), pf::errTypeMismatch);
    EXPECT_EQ(readFailure(2, kTransportation, "0,1,1\r\n5\r\n3000000000\r\n-1\r\n"), pf::errOverflow);
    EXPECT_EQ(readFailure(8, "", "70000\r\n"), pf::errOverflow);
}

// Replaces field `index` (from 0) of a file's first record.
std::string withFirstRecordField(const std::string& text, int index, const std::string& field) {
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) start = text.find(',', start) + 1;
    const std::size_t end = text.find_first_of(",\r", start);
    return text.substr(0, start) + field + text.substr(end);
}

// Every format that keeps decimal places reads 0, 1 or 2 and refuses anything else with
// the reader's failure, before the counts that follow are used. An empty field, as files
// saved before the writer wrote 0 hold it, reads as 0.
TEST(ProblemFileRead, DecimalPlacesOutsideZeroToTwoAreRefused) {
    struct Case {
        const char* what;
        std::size_t format;  // index into formatCases()
        int field;           // of the first record
        std::function<pf::Value()> stored;
    };
    const auto decimals = [] { return S().intDecimalPlaces; };
    const std::vector<Case> cases = {
        {"TRN", 1, 0, decimals},
        {"ASN", 2, 0, decimals},
        {"S&S", 3, 0, decimals},
        {"CPM entered times", 4, 0, decimals},
        {"CPM expected times", 4, 1, [] { return S().pert.intExpectedTimeDecimals; }},
        {"DSN", 7, 0, decimals},
        {"FOR", 8, 1, decimals},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FormatCase& f = formatCases()[c.format];
        for (const char* bad : {"-1", "3", "2.5", "1E300", "0.5", "\"7\""}) {
            SCOPED_TRACE(bad);
            const int number = readFailure(f.module, f.type, withFirstRecordField(f.written, c.field, bad));
            EXPECT_NE(number, 0);
            EXPECT_NE(number, pf::errInputPastEnd);
        }
        for (int good : {0, 1, 2}) {
            SCOPED_TRACE(good);
            EXPECT_EQ(readFailure(f.module, f.type, withFirstRecordField(f.written, c.field, std::to_string(good))), 0);
            EXPECT_EQ(c.stored().num(), good);
            EXPECT_FALSE(c.stored().IsEmpty());
        }
        for (const char* empty : {"", "\"\""}) {
            SCOPED_TRACE(std::string("empty field ") + empty);
            EXPECT_EQ(readFailure(f.module, f.type, withFirstRecordField(f.written, c.field, empty)), 0);
            EXPECT_FALSE(c.stored().IsEmpty());
            EXPECT_EQ(c.stored().num(), 0);
        }
    }
}

// Decimal places no entry has raised yet are written as 0, so that the program never
// writes a file its reader refuses.
TEST(ProblemFileWrite, EmptyDecimalPlacesAreWrittenAsZero) {
    fresh(11);
    S().fc.intPeriodCount = 1;
    S().fc.dblTimeSeries.ReDim(ForecastBlock::kSeriesUpper, 1);
    EXPECT_EQ(write(), "1,0\r\n\r\n");
    fresh(7);
    S().pert.intActivityCount = 1;
    S().pert.intTimeEstimateMode = 1;
    for (auto* a : {&S().pert.dblExpectedTimes, &S().pert.intPredecessorCounts}) a->ReDim(PertBlock::kMaxActivities);
    S().pert.intPredecessorMatrix.ReDim(PertBlock::kMaxActivities, PertBlock::kMaxActivities);
    const std::string text = write();
    EXPECT_EQ(text, "0,0,1,1\r\n,\r\n");
    EXPECT_EQ(readFailure(7, "", text), 0);
}

// A text field that is not quoted but holds a double quote would read differently from
// what Save writes back: every format with texts refuses it.
TEST(ProblemFileRead, UnquotedTextHoldingAQuoteIsRefused) {
    struct Case {
        std::size_t format;
        const char* quoted;    // a field of the written file
        const char* unquoted;  // what stands in its place
    };
    const std::vector<Case> cases = {
        {0, "\"X1+X2<4\"", "X1\"+X2<4"},
        {5, "\"1200\"", "12\"00"},
        {6, "\"YES\"", "Y\"ES"},
        {7, "\"YES\",\"YES\"", "NO\",YES"},
    };
    for (const Case& c : cases) {
        const FormatCase& f = formatCases()[c.format];
        SCOPED_TRACE(f.name);
        std::string text = f.written;
        const std::size_t at = text.find(c.quoted);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, std::string(c.quoted).size(), c.unquoted);
        EXPECT_EQ(readFailure(f.module, f.type, text), pf::errTypeMismatch);
    }
}

// A text holding a double quote is saved with an apostrophe in its place, and the file
// reads back to the same texts and writes the same bytes again. (The decision file's two
// texts are settled from its flags when read, so they carry no typed text.)
TEST(ProblemFileWrite, TextsHoldingAQuoteAreSavedWithAnApostrophe) {
    struct Case {
        std::size_t format;
        std::function<std::string&()> text;
    };
    const std::vector<Case> cases = {
        {0, []() -> std::string& { return S().lp.strModelLines(3); }},
        {5, []() -> std::string& { return S().inv.strCategoryUnitCostTexts(2); }},
        {6, []() -> std::string& { return S().wl.strEconomicAnalysis; }},
    };
    for (const Case& c : cases) {
        const FormatCase& f = formatCases()[c.format];
        SCOPED_TRACE(f.name);
        fresh(f.module, f.type);
        read(f.written);
        c.text() = "A\"B\",C";
        const std::string saved = write();
        EXPECT_NE(saved.find("\"A'B',C\""), std::string::npos) << saved;
        fresh(f.module, f.type);
        read(saved);
        EXPECT_EQ(c.text(), "A'B',C");
        EXPECT_EQ(write(), saved);
    }
}

TEST(ProblemFileHooksOrder, SizingBeforeTheRecordsAndRebuildingAfter) {
    std::vector<std::string> calls;
    ProblemFileHooks hooks;
    hooks.sizeModule = [&] {
        calls.push_back("size m=" + std::to_string(S().tr.intOriginCount) + " cost=" +
                        std::to_string(S().tr.dblArcCosts(1).num()));
    };
    hooks.rebuildScreen = [&] {
        calls.push_back("rebuild supply=" + std::to_string(S().tr.lngNodeSupplies(4)));
    };
    fresh(2, kTransportation);
    pf::FieldReader in(formatCases()[1].written);
    ReadProblemRecords(S(), in, hooks);
    EXPECT_EQ(calls, (std::vector<std::string>{"size m=2 cost=0.000000", "rebuild supply=-15"}));

    // Other modules size before the first record.
    calls.clear();
    hooks.sizeModule = [&] { calls.push_back("size T=" + std::to_string(S().fc.intPeriodCount)); };
    hooks.rebuildScreen = [&] { calls.push_back("rebuild T=" + std::to_string(S().fc.intPeriodCount)); };
    fresh(11);
    pf::FieldReader series(formatCases()[8].written);
    ReadProblemRecords(S(), series, hooks);
    EXPECT_EQ(calls, (std::vector<std::string>{"size T=0", "rebuild T=3"}));

    // A failure in the rebuild is a failure of the read.
    hooks.rebuildScreen = [] { pf::raise(pf::errSubscript); };
    fresh(11);
    pf::FieldReader again(formatCases()[8].written);
    EXPECT_THROW(ReadProblemRecords(S(), again, hooks), pf::RuntimeError);
}

TEST(ProblemFileHooksOrder, RefusedLinearModelIsNotLaidOut) {
    int rebuilt = 0;
    ProblemFileHooks hooks;
    hooks.rebuildScreen = [&] { ++rebuilt; };
    for (bool accepted : {false, true}) {
        hooks.parseModel = [&] { return accepted; };
        fresh(1);
        pf::FieldReader in(formatCases()[0].written);
        ReadProblemRecords(S(), in, hooks);
    }
    EXPECT_EQ(rebuilt, 1);
}

TEST(ProblemFileHooksOrder, InventoryAndWaitingFormsOpenAfterTheRead) {
    struct Case {
        int module;
        std::string text;
        std::string caption;  // "" leaves the caption
        bool form;
    };
    const std::string invTail =
        ",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\"\r\n"
        "0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,0,0,0,\"\",0,\"\",0,\"\",0,\"\",0,\"\"\r\n";
    const std::string wlTail = ",1,1,2,,,\"NO\",0,0,\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    const std::vector<Case> cases = {
        {8, "6" + invTail, "Inventory Model:  Single Period with Probabilistic Demand", true},
        {8, "7" + invTail, "", false},
        {9, "4" + wlTail, "Waiting Line Model:  No Wait", true},
        {9, "6" + wlTail, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string caption;
        int forms = 0;
        ProblemFileHooks hooks;
        hooks.rebuildScreen = [&] { ADD_FAILURE() << "no rebuild inside the read"; };
        hooks.setStatusCaption = [&](const std::string& s) { caption = s; };
        hooks.showModelForm = [&] { ++forms; };
        fresh(c.module);
        pf::FieldReader in(c.text);
        ReadProblemRecords(S(), in, hooks);
        EXPECT_EQ(forms, 0);
        FinishProblemRead(S(), hooks);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(forms, c.form ? 1 : 0);
    }
}

TEST(ProblemFileWrite, MissingTablesAndUnknownModuleFail) {
    fresh(11);
    S().fc.intPeriodCount = 3;  // series never dimensioned
    EXPECT_THROW(write(), pf::RuntimeError);
    fresh(0);
    EXPECT_THROW(write(), pf::RuntimeError);
    EXPECT_NE(readFailure(0, "", "1\r\n"), 0);
}

}  // namespace
}  // namespace qv
