#include "lp/core/LPReport.h"

#include <cmath>
#include <string>

#include "lp/core/LPSolution.h"
#include "platform/core/Format.h"
#include "shell/core/State.h"

namespace QVLP {

namespace {

constexpr std::size_t kObjectivePiece = 80;
constexpr std::size_t kConstraintPiece = 68;

class Report {
public:
    Report(qv::LPBlock& lp, int integerLP, pf::ReportSink& sink)
        : lp_(lp), out_(sink), m_(lp.intConstraintCount), n_(lp.intVariableCount),
          d_(lp.intReportDecimals), linear_(integerLP == 0) {}

    void Write() {
        CutVariableNames(lp_);
        ModelEcho();
        const bool longProblem = n_ + m_ >= 40;

        out_.newPage();
        TitleBlock();
        VariablesHeader();
        count_ = 6;
        for (int j = 1; j <= n_; ++j) {
            VariableRow(j);
            ++count_;
            if (1 < j && j < n_ && count_ > kReportPageLimit) {
                out_.newPage();
                TitleBlock();
                VariablesHeader();
                count_ = 6;
            }
        }
        BetweenTables(longProblem);

        ConstraintsHeader();
        count_ += 2;
        for (int i = 1; i <= m_; ++i) {
            ConstraintRow(i);
            ++count_;
            if (1 < i && i < m_ && count_ > kReportPageLimit) {
                out_.newPage();
                ConstraintsHeader();
                count_ = 2;
            }
        }
        if (!linear_) return;

        ObjectiveRangesHeading();
        count_ = 4;
        for (int j = 1; j <= n_; ++j) {
            ObjectiveRangeRow(j);
            ++count_;
            if (1 < j && j < n_ && count_ > kReportPageLimit) {
                ObjectiveRangesHeading();
                count_ = 4;
            }
        }
        BetweenTables(longProblem);

        RhsRangesHeading();
        count_ += 4;
        for (int i = 1; i <= m_; ++i) {
            RhsRangeRow(i);
            ++count_;
            if (i < m_ && count_ > kReportPageLimit) {
                // The repeated heading opens a page of its own, as every other
                // repeated heading of the report does.
                out_.newPage();
                RhsRangesHeading();
                count_ = 4;
            }
        }
    }

private:
    void ModelEcho() {
        out_.line(linear_ ? "LINEAR PROGRAMMING PROBLEM" : "INTEGER LINEAR PROGRAMMING PROBLEM");
        out_.line("");
        const std::string& objective = lp_.strObjectiveEchoLine;
        int k = 1;
        if (objective.size() <= kObjectivePiece) {
            out_.line(objective);
        } else {
            k = 0;
            for (std::size_t p = 0; p < objective.size(); p += kObjectivePiece, ++k)
                out_.line(objective.substr(p, kObjectivePiece));
        }
        out_.line("");
        count_ = k >= 2 ? 3 + k : 3;
        out_.line("     S.T.");
        out_.line("");
        count_ += 2;
        for (int i = 1; i <= m_; ++i) {
            const std::string& text = lp_.strModelLines(i + 2);
            // Five blanks and the label: ")" in column 10, the text from column 13.
            out_.text(pf::Spaces(5));
            out_.text(pf::RightAlignNumber(std::to_string(i), 4) + ")  ");
            if (text.size() <= kConstraintPiece) {
                out_.text(text);
                out_.endLine();
                count_ += 1;
            } else {
                int pieces = 0;
                for (std::size_t p = 0; p < text.size(); p += kConstraintPiece, ++pieces) {
                    out_.text(text.substr(p, kConstraintPiece));
                    out_.endLine();
                }
                count_ += pieces + 1;
            }
            if (i < m_ && count_ > kReportPageLimit) {
                out_.newPage();
                out_.line("CONSTRAINTS (continued)");
                out_.line("=======================");
                out_.line("");
                count_ = 3;
            }
        }
    }

    void TitleBlock() {
        out_.line("OPTIMAL SOLUTION");
        out_.line("");
        ComputeObjectiveValue(lp_);
        const double v = lp_.intOptimizationType == 1 ? -lp_.dblObjectiveValue : lp_.dblObjectiveValue;
        out_.line("Objective Function Value = " + NumberField(v, d_, 15));
        out_.line("");
    }

    void VariablesHeader() {
        out_.line(linear_ ? kVariablesHeaderLP : kVariablesHeaderIP);
        out_.line(linear_ ? kVariablesRuleLP : kVariablesRuleIP);
    }

    void ConstraintsHeader() {
        out_.line(linear_ ? kConstraintsHeaderLP : kConstraintsHeaderIP);
        out_.line(linear_ ? kConstraintsRuleLP : kConstraintsRuleIP);
    }

    void BetweenTables(bool longProblem) {
        if (longProblem) {
            out_.newPage();
            count_ = 0;
        } else {
            out_.line("");
            out_.line("");
            count_ += 2;
        }
    }

    void VariableRow(int j) {
        const std::string& name = lp_.strVariableNames(j);
        std::string field = "   " + pf::Spaces((14 - static_cast<int>(name.size())) / 2) + name;
        PadTo(field, 22);
        out_.text(field);
        out_.text(NumberField(VariableValue(lp_, j), d_, 15));
        if (linear_) {
            out_.text(pf::Spaces(6));
            out_.text(NumberField(std::fabs(lp_.dblReducedCosts(j)), d_, 18));
        }
        out_.endLine();
    }

    void ConstraintRow(int i) {
        std::string field = pf::Spaces(9) + " " + std::to_string(i);
        PadTo(field, 22);
        out_.text(field);
        out_.text(NumberField(SlackSurplus(lp_, i), d_, 15));
        if (linear_) {
            out_.text(pf::Spaces(6));
            out_.text(NumberField(Clamped(lp_.dblDualPrices(i)), d_, 18));
        }
        out_.endLine();
    }

    void ObjectiveRangesHeading() {
        out_.newPage();
        out_.line("OBJECTIVE COEFFICIENT RANGES");
        out_.line("");
        out_.line(kObjectiveRangesHeader);
        out_.line(kRangesRule);
    }

    void RhsRangesHeading() {
        out_.line("RIGHT HAND SIDE RANGES");
        out_.line("");
        out_.line(kRhsRangesHeader);
        out_.line(kRangesRule);
    }

    // Columns 17-31, 36-50 and 53-67.
    void Limits(const Range& g) {
        out_.text(g.noLower ? std::string(kNoLowerLimit) : NumberField(g.lower, d_, 15));
        out_.text(pf::Spaces(4));
        out_.text(NumberField(g.current, d_, 15));
        out_.text(pf::Spaces(2));
        out_.text(g.noUpper ? std::string(kNoUpperLimit) : NumberField(g.upper, d_, 15));
        out_.endLine();
    }

    void ObjectiveRangeRow(int j) {
        const std::string& name = lp_.strVariableNames(j);
        // Names of up to 12 characters are centred in 12 after one blank; longer
        // ones keep the limits in their columns all the same.
        std::string field(1, ' ');
        field += pf::Spaces((12 - static_cast<int>(name.size())) / 2);
        field += name;
        PadTo(field, 16);
        out_.text(field);
        Limits(ObjectiveRange(lp_, j));
    }

    void RhsRangeRow(int i) {
        out_.text(pf::Spaces(5) + pf::RightAlignNumber(std::to_string(i), 3) + pf::Spaces(8));
        Limits(RhsRange(lp_, i));
    }

    qv::LPBlock& lp_;
    pf::ReportSink& out_;
    int m_, n_, d_;
    bool linear_;
    int count_ = 0;
};

}  // namespace

void PrintLPSolution(qv::LPBlock& lp, int integerLP, pf::ReportSink& sink) {
    Report(lp, integerLP, sink).Write();
}

void PrintLPSolution(pf::ReportSink& sink) { PrintLPSolution(qv::S().lp, qv::S().intIntegerLP, sink); }

}  // namespace QVLP
