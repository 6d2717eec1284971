#include "lp/core/LP_Engine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "lp/core/IntegerSection.h"
#include "platform/core/Errors.h"
#include "shell/core/State.h"

namespace qv {
namespace {

constexpr int kRowCapacity = 50;
constexpr int kColumnCapacity = 200;
constexpr int kDecisionCapacity = 100;
constexpr double kPriceTolerance = 1e-7;   // smallest improvement rate that counts
constexpr double kPruneTolerance = 1e-6;   // relative margin a node must beat the incumbent by
constexpr double kFeasibilityTolerance = 1e-9;  // relative; rounding is no bound violation
constexpr double kDegenerateStep = 1e-9;   // steps this short do not move the objective
constexpr int kDegenerateRun = 30;         // degenerate steps before the smallest-index rule
constexpr int kPackingRows = 20;           // fewer rows: price every column (see PackColumns)
constexpr double kDualZero = 1e-9;         // a reduced cost this small is zero (dual-feasible rules)
// Work of one iteration besides its arithmetic (calls, loop set-up): on small
// programs it is most of the time an iteration takes.
constexpr long long kIterationOverhead = 1000;

// Two doubles side by side. Each lane gets exactly the IEEE operations the
// scalar code would give it (no fused multiply-add: the default x86-64 target
// has none), so the loops below may work on two or eight numbers at once and
// still give every sum bit for bit in its own order.
using Pair = double __attribute__((vector_size(16)));

inline Pair LoadPair(const double* p) {
    Pair v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void StorePair(double* p, Pair v) { std::memcpy(p, &v, sizeof v); }

// dst[t] -= f * src[t] for t = 0..count-1.
inline void SubtractMultiple(double* dst, const double* src, double f, int count) {
    int t = 0;
    for (; t + 2 <= count; t += 2) StorePair(dst + t, LoadPair(dst + t) - f * LoadPair(src + t));
    for (; t < count; ++t) dst[t] -= f * src[t];
}

// dst[t] += f * src[t] for t = 0..count-1.
inline void AddMultiple(double* dst, const double* src, double f, int count) {
    int t = 0;
    for (; t + 2 <= count; t += 2) StorePair(dst + t, LoadPair(dst + t) + f * LoadPair(src + t));
    for (; t < count; ++t) dst[t] += f * src[t];
}

// a[t] := a[t + 1] for t = 0..count-1, inline: the rows are short.
inline void ShiftLeft(double* a, int count) {
    int t = 0;
    for (; t + 2 <= count; t += 2) StorePair(a + t, LoadPair(a + t + 1));
    for (; t < count; ++t) a[t] = a[t + 1];
}

inline void SwapRows(double* a, double* b, int count) {
    int t = 0;
    for (; t + 2 <= count; t += 2) {
        const Pair v = LoadPair(a + t);
        StorePair(a + t, LoadPair(b + t));
        StorePair(b + t, v);
    }
    for (; t < count; ++t) std::swap(a[t], b[t]);
}

// Ends the run from anywhere inside it.
struct RunEnd {
    EngineStatus status;
    int errorNumber = 0;
};

class Engine {
public:
    Engine(LPBlock& lp, int integerLP, const EngineLimits& limits, const LP_Engine::NodeObserver& onNode)
        : L(lp), integerLP_(integerLP), limits_(limits), onNode_(onNode) {}

    EngineResult Run();

private:
    // Set-up.
    void Redimension();
    void LoadMatrix();
    void SetUpColumns();
    void ComputeStartValues();
    void CountFinishedArtificials();
    void SetPhaseCosts();

    // Primal simplex.
    void PrimalSimplex();
    void Price();
    void ComputeReducedCosts();
    void ChooseEnteringColumn(bool smallestIndex);
    void PrimalRatioTest(bool smallestIndex);

    // Factors.
    void TransformColumn(int j);
    void ComputeDualPrices();
    void SolveTransposed(double* s, double* w, double* out);
    bool NeedsPrice(int j) const { return status_[j] != 0 && kind_[j] != 0; }
    void PackColumns();
    void PlaceColumn(int j, int slot);
    template <bool Subtract>
    void PackedProducts(const double* v, const double* start, double* out);
    void ComputeBasisRow(int r);
    void RecomputeBasicValues();
    void ChangeBasis();

    // Dual simplex.
    void DualSimplex();
    void MakeCostsDualFeasible();
    std::uint64_t BasisKey() const;
    bool Remember(std::uint64_t key);
    int BoundStatus(int k, double v) const;
    void MarkBoundViolations();
    void ChooseLeavingRow(bool smallestIndex);
    void KeepLeavingRow(int position, bool smallestIndex);
    void DualRatioTest(bool smallestIndex, bool keepDualFeasible);
    void DualStep(bool keepDualFeasible);

    // Branch and bound.
    void BranchAndBound();
    void SolveNode();
    void BranchAndBoundStep();
    void CheckIntegrality();
    void ChooseBranchingColumn();
    void ProcessFractionalNode();
    void ProcessIntegralNode();
    void Branch();
    void CloseNode(int k) { L.intNodeClosed[static_cast<std::size_t>(k)] = 1; }
    int AddNode(int column, double bound, int parent, double parentValue);
    void SelectNextNode();
    void PrepareNextNode();
    void SaveRootLP();
    void RestoreRootLP();
    void ReplayNodePath(int k);
    void ShiftBasicValues(int column, double delta);
    bool IsColumnBasic(int c) const;
    void ComputeObjectiveValue();
    bool Improves(double v) const;

    // The end of a run.
    void FinalSolve();
    void CountIteration(long& counter, long& runCount, long long work);
    void CountWork(long long work);
    [[noreturn]] void Fail(int errorNumber) { throw RunEnd{EngineStatus::ArithmeticFailure, errorNumber}; }
    void CheckFinite(double v) {
        if (!std::isfinite(v)) Fail(pf::errOverflow);
    }
    EngineResult Outcome(EngineStatus status, int errorNumber = 0);

    // Dense views of the work arrays (dimensioned once per run, never moved).
    double& U(int i, int k) { return u_[i * kStride + k]; }
    double& Li(int i, int k) { return li_[i * kStride + k]; }
    double A(int i, int j) const { return a_[static_cast<std::size_t>(j) * ms_ + i]; }
    const double* Col(int j) const { return &a_[static_cast<std::size_t>(j) * ms_]; }

    static constexpr int kStride = kRowCapacity + 1;

    LPBlock& L;
    int integerLP_;
    EngineLimits limits_;
    const LP_Engine::NodeObserver& onNode_;
    long long work_ = 0;         // counted against limits_.workBudget
    long guard_ = 0;             // iterations allowed to one simplex run
    long iterationLimit_ = 0;    // the limit an IterationLimit message names
    long longestPrimalRun_ = 0, longestDualRun_ = 0;
    int m_ = 0, n_ = 0, N_ = 0;
    std::size_t ms_ = 0;        // stride of a column in a_
    std::vector<double> a_;     // rows 0..m of columns 0..capacity, column-major
    // The columns that need a reduced cost, packed side by side in slots
    // (rows 1..m, each row padded to whole blocks of eight): pricing runs
    // along these rows.
    std::vector<double> packed_;
    int packStride_ = 0;
    bool packing_ = false;          // false: every column in slot j - 1
    int slots_ = 0;                 // slots in use, 0..slots_-1, no holes
    std::vector<int> slotColumn_;   // column in each slot, 0 for none
    std::vector<int> slotOf_;       // slot of each column, -1 for none
    std::vector<int> freeSlots_;    // PackColumns' own
    std::vector<double> rho_;   // a row of B^-1 (dual ratio test)
    std::vector<double> arj_;   // its product with every priced column
    std::vector<std::uint64_t> seen_;  // dual simplex: bases met, sorted; its storage is reused
    double inf_ = 0, tol_ = 0;

    double *u_ = nullptr, *li_ = nullptr, *partial_ = nullptr, *alpha_ = nullptr;
    double *x_ = nullptr, *w_ = nullptr, *y_ = nullptr, *d_ = nullptr, *c_ = nullptr;
    double *lb_ = nullptr, *ub_ = nullptr;
    int *basis_ = nullptr, *status_ = nullptr, *kind_ = nullptr, *intFlag_ = nullptr;
};

// ---------------------------------------------------------------------------
// Set-up

void Engine::Redimension() {
    L.dblPhaseCosts.ReDim(kColumnCapacity);
    L.dblRightHandSides.ReDim(kRowCapacity);
    L.dblBasisUMatrix.ReDim(kRowCapacity, kRowCapacity);
    L.dblBasisLInverse.ReDim(kRowCapacity, kRowCapacity);
    L.dblPartialColumn.ReDim(kRowCapacity);
    L.dblTransformedColumn.ReDim(kRowCapacity);
    L.intBasisColumns.ReDim(kRowCapacity);
    L.dblBasicValues.ReDim(kRowCapacity);
    L.dblDualWork.ReDim(kRowCapacity);
    L.dblDualPrices.ReDim(kRowCapacity);
    L.dblReducedCosts.ReDim(kColumnCapacity);
    L.intColumnStatuses.ReDim(kColumnCapacity);
    L.intColumnKinds.ReDim(kColumnCapacity);
    L.intIntegerFlags.ReDim(kColumnCapacity);
    L.intRowSlackColumns.ReDim(kRowCapacity);
    L.intBasisPositions.ReDim(kColumnCapacity);
    L.dblUpperBounds.ReDim(kColumnCapacity);
    L.dblLowerBounds.ReDim(kColumnCapacity);

    L.dblRootUMatrix.ReDim(kRowCapacity, kRowCapacity);
    L.dblRootLInverse.ReDim(kRowCapacity, kRowCapacity);
    L.dblRootPartialColumn.ReDim(kRowCapacity);
    L.dblRootTransformedColumn.ReDim(kRowCapacity);
    L.intRootBasisColumns.ReDim(kRowCapacity);
    L.dblRootBasicValues.ReDim(kRowCapacity);
    L.dblRootDualWork.ReDim(kRowCapacity);
    L.intRootColumnStatuses.ReDim(kColumnCapacity);
    L.intRootColumnKinds.ReDim(kColumnCapacity);
    L.dblRootUpperBounds.ReDim(kColumnCapacity);
    L.dblRootLowerBounds.ReDim(kColumnCapacity);

    u_ = &L.dblBasisUMatrix(0, 0);
    li_ = &L.dblBasisLInverse(0, 0);
    partial_ = &L.dblPartialColumn(0);
    alpha_ = &L.dblTransformedColumn(0);
    x_ = &L.dblBasicValues(0);
    w_ = &L.dblDualWork(0);
    y_ = &L.dblDualPrices(0);
    d_ = &L.dblReducedCosts(0);
    c_ = &L.dblPhaseCosts(0);
    lb_ = &L.dblLowerBounds(0);
    ub_ = &L.dblUpperBounds(0);
    basis_ = &L.intBasisColumns(0);
    status_ = &L.intColumnStatuses(0);
    kind_ = &L.intColumnKinds(0);
    intFlag_ = &L.intIntegerFlags(0);

    L.intNodeClosed.clear();
    L.dblNodeBounds.clear();
    L.intNodeColumns.clear();
    L.intNodeParents.clear();
    L.dblNodeParentValues.clear();
    L.intOpenNodes.clear();
}

// The run computes on a dense copy of the matrix; the shared matrix receives the
// same changes (row 0 in maximization form, the added columns).
void Engine::LoadMatrix() {
    ms_ = static_cast<std::size_t>(m_) + 1;
    a_.assign(ms_ * (kColumnCapacity + 1), 0.0);
    rho_.assign(kStride, 0.0);
    arj_.assign(kColumnCapacity + 1, 0.0);
    for (int j = 0; j <= n_; ++j)
        for (int i = 0; i <= m_; ++i) a_[j * ms_ + i] = L.dblProblemMatrix(i, j).num();
}

void Engine::SetUpColumns() {
    L.intAddedColumnCount = 0;
    L.intArtificialCount = 0;
    for (int j = 1; j <= n_; ++j) {
        status_[j] = -1;
        kind_[j] = -1;
        if (L.intOptimizationType == 1) {
            double c = 0.0 - a_[j * ms_];  // 0 - 0 stays +0
            a_[j * ms_] = c;
            L.dblProblemMatrix(0, j) = c;
        }
    }
    int next = n_ + 1;
    auto addColumn = [&](int col, int row, double entry, double cost, int kind, int status,
                         const char* word) {
        for (int r = 1; r <= m_; ++r) {
            a_[col * ms_ + r] = r == row ? entry : 0.0;
            if (r == row)
                L.dblProblemMatrix(r, col) = entry;
            else
                L.dblProblemMatrix(r, col).Clear();
        }
        a_[col * ms_] = cost;
        L.dblProblemMatrix(0, col) = cost;
        kind_[col] = kind;
        status_[col] = status;
        ub_[col] = inf_;
        L.strVariableNames(col) = std::string(word) + " " + std::to_string(row);
    };
    for (int i = 1; i <= m_; ++i) {
        int rel = L.intConstraintRelations(i);
        if (rel == 2) {
            addColumn(next, i, 1.0, 0.0, 2, 0, "Slack");
            L.intRowSlackColumns(i) = next;
            basis_[i] = next;
        } else {
            if (rel != 3) {  // ">" (and any other code): surplus, then the artificial
                addColumn(next, i, -1.0, 0.0, -3, -1, "Splus");
                ++next;
                ++L.intAddedColumnCount;
            }
            addColumn(next, i, 1.0, -1.0, 4, 0, "Equal");
            ++L.intArtificialCount;
            L.intRowSlackColumns(i) = next;
            basis_[i] = next;
        }
        ++next;
        ++L.intAddedColumnCount;
        L.dblRightHandSides(i) = a_[i];
    }
    N_ = L.intColumnCount = n_ + L.intAddedColumnCount;
    packStride_ = 8 * ((N_ + 7) / 8);
    packed_.assign(static_cast<std::size_t>(m_ + 1) * packStride_, 0.0);
    slots_ = 0;
    slotColumn_.assign(static_cast<std::size_t>(packStride_), 0);
    slotOf_.assign(static_cast<std::size_t>(N_) + 1, -1);
    freeSlots_.reserve(static_cast<std::size_t>(packStride_));
    // With few rows a column's products cost less than keeping track of it:
    // every column stays packed and is priced.
    packing_ = m_ >= kPackingRows;
    if (!packing_) {
        for (int j = 1; j <= N_; ++j) PlaceColumn(j, j - 1);
        slots_ = N_;
    }
    ComputeStartValues();
    for (int i = 1; i <= m_; ++i) {
        U(i, i) = 1.0;
        Li(i, i) = 1.0;
    }
    CountFinishedArtificials();
}

void Engine::ComputeStartValues() {
    L.intBoundViolation = 0;
    for (int i = 1; i <= m_; ++i) {
        double v = L.dblRightHandSides(i);
        for (int j = 1; j <= n_; ++j) {
            if (status_[j] == 1)
                v -= A(i, j) * ub_[j];
            else if (status_[j] == -1)
                v -= A(i, j) * lb_[j];
        }
        x_[i] = v;
        int k = basis_[i];
        if (v < lb_[k] || v > ub_[k]) L.intBoundViolation = 1;
    }
}

void Engine::CountFinishedArtificials() {
    int done = 0;
    for (int j = n_ + 1; j <= N_; ++j)
        if (kind_[j] == 0 && (status_[j] == -1 || status_[j] == 1)) ++done;
    for (int i = 1; i <= m_; ++i)
        if (kind_[basis_[i]] == 4 && x_[i] < tol_) ++done;
    L.intArtificialsDone = done;
}

// The finished artificials are counted afresh at every pricing, so a restored
// basis or a bound change in the search always prices with the right phase.
void Engine::SetPhaseCosts() {
    CountFinishedArtificials();
    if (L.intArtificialCount > L.intArtificialsDone) {
        L.intPhase = 1;
        for (int j = 1; j <= N_; ++j) c_[j] = kind_[j] == 4 ? -1.0 : 0.0;
    } else {
        L.intPhase = 2;
        for (int j = 1; j <= N_; ++j) c_[j] = A(0, j);
    }
}

// ---------------------------------------------------------------------------
// Factors

void Engine::TransformColumn(int j) {
    const double* a = Col(j);
    // L^-1 a, eight rows at a time (two to a pair): eight sums that do not
    // wait for each other.
    int i = 1;
    for (; i + 7 <= m_; i += 8) {
        const double* r = &li_[i * kStride];
        Pair s0 = {0, 0}, s1 = {0, 0}, s2 = {0, 0}, s3 = {0, 0};
        for (int k = 1; k <= m_; ++k) {
            const double ak = a[k];
            s0 += Pair{r[k], r[kStride + k]} * ak;
            s1 += Pair{r[2 * kStride + k], r[3 * kStride + k]} * ak;
            s2 += Pair{r[4 * kStride + k], r[5 * kStride + k]} * ak;
            s3 += Pair{r[6 * kStride + k], r[7 * kStride + k]} * ak;
        }
        StorePair(partial_ + i, s0);
        StorePair(partial_ + i + 2, s1);
        StorePair(partial_ + i + 4, s2);
        StorePair(partial_ + i + 6, s3);
    }
    for (; i <= m_; ++i) {
        const double* row = &li_[i * kStride];
        double s = 0;
        for (int k = 1; k <= m_; ++k) s += row[k] * a[k];
        partial_[i] = s;
    }
    for (int i = m_; i >= 1; --i) {
        const double* row = &u_[i * kStride];
        double s = partial_[i];
        for (int k = i + 1; k <= m_; ++k) s -= row[k] * alpha_[k];
        if (row[i] == 0.0) Fail(pf::errDivisionByZero);
        alpha_[i] = s / row[i];
        CheckFinite(alpha_[i]);
    }
}

// w with U^T w = s (s is used up), then out = w L^-1. w(i) is s(i) less
// w(k) U(k, i) for k = 1..i-1 in that order; taking the terms as each w(k)
// is known keeps that order and runs along the rows of U. out(k) adds
// w(r) L^-1(r, k) over the rows r in increasing order, rows with w(r) = 0
// left out: also as each w(r) is known, in the same pass. out is written
// only once every w is, as when the two were computed one after the other.
void Engine::SolveTransposed(double* s, double* w, double* out) {
    double sum[kStride] = {};
    for (int i = 1; i <= m_; ++i) {
        const double* row = &u_[i * kStride];
        if (row[i] == 0.0) Fail(pf::errDivisionByZero);
        const double wi = w[i] = s[i] / row[i];
        SubtractMultiple(s + i + 1, row + i + 1, wi, m_ - i);
        if (wi != 0.0) AddMultiple(sum + 1, &li_[i * kStride + 1], wi, m_);
    }
    std::memcpy(out + 1, sum + 1, sizeof(double) * m_);
}

void Engine::ComputeDualPrices() {
    double s[kStride];
    for (int i = 1; i <= m_; ++i) s[i] = c_[basis_[i]];
    SolveTransposed(s, w_, y_);
    for (int k = 1; k <= m_; ++k) CheckFinite(y_[k]);
}

// Row r of B^-1 (e_r^T U^-1 L^-1): the dual ratio test reads every column's
// entry in the leaving row from it instead of transforming each column.
void Engine::ComputeBasisRow(int r) {
    double s[kStride], z[kStride];
    for (int i = 1; i <= m_; ++i) s[i] = i == r ? 1.0 : 0.0;
    SolveTransposed(s, z, rho_.data());
}

void Engine::PlaceColumn(int j, int slot) {
    const double* a = Col(j);
    for (int i = 1; i <= m_; ++i) packed_[static_cast<std::size_t>(i) * packStride_ + slot] = a[i];
    slotColumn_[static_cast<std::size_t>(slot)] = j;
    slotOf_[static_cast<std::size_t>(j)] = slot;
}

// Brings the packed columns up to date with the statuses and kinds. Between
// two pricings only a column or two change, so few columns move; slots a
// column leaves are filled by columns that come in, then by the last ones.
void Engine::PackColumns() {
    if (!packing_) return;
    freeSlots_.clear();
    const int* status = status_;
    const int* kind = kind_;
    const int* slotOf = slotOf_.data();
    for (int j = 1; j <= N_; ++j) {
        const bool need = (status[j] != 0) & (kind[j] != 0);
        const int slot = slotOf[j];
        if (need == (slot >= 0)) continue;
        if (!need) {
            slotColumn_[static_cast<std::size_t>(slot)] = 0;
            slotOf_[static_cast<std::size_t>(j)] = -1;
            freeSlots_.push_back(slot);
        } else if (!freeSlots_.empty()) {
            PlaceColumn(j, freeSlots_.back());
            freeSlots_.pop_back();
        } else {
            PlaceColumn(j, slots_++);
        }
    }
    std::sort(freeSlots_.begin(), freeSlots_.end());
    for (const int hole : freeSlots_) {
        while (slots_ > 0 && slotColumn_[static_cast<std::size_t>(slots_ - 1)] == 0) --slots_;
        if (hole >= slots_) break;
        const int j = slotColumn_[static_cast<std::size_t>(slots_ - 1)];
        slotColumn_[static_cast<std::size_t>(slots_ - 1)] = 0;
        PlaceColumn(j, hole);
    }
    while (slots_ > 0 && slotColumn_[static_cast<std::size_t>(slots_ - 1)] == 0) --slots_;
}

// out(s) = start(s) - or + the sum of v(i) a(i, j) over i = 1..m in order
// (start 0 when none) for the column j in every slot s: eight slots at a time
// along the packed rows, each column's sum in its own order. start and out
// hold whole blocks of eight.
template <bool Subtract>
void Engine::PackedProducts(const double* v, const double* start, double* out) {
    for (int s = 0; s < slots_; s += 8) {
        const Pair zero = {0, 0};
        Pair s0 = start ? LoadPair(start + s) : zero, s1 = start ? LoadPair(start + s + 2) : zero,
             s2 = start ? LoadPair(start + s + 4) : zero, s3 = start ? LoadPair(start + s + 6) : zero;
        const double* a = &packed_[static_cast<std::size_t>(s)];
        for (int i = 1; i <= m_; ++i) {
            const double* r = a + static_cast<std::size_t>(i) * packStride_;
            const double vi = v[i];
            if constexpr (Subtract) {
                s0 -= vi * LoadPair(r);
                s1 -= vi * LoadPair(r + 2);
                s2 -= vi * LoadPair(r + 4);
                s3 -= vi * LoadPair(r + 6);
            } else {
                s0 += vi * LoadPair(r);
                s1 += vi * LoadPair(r + 2);
                s2 += vi * LoadPair(r + 4);
                s3 += vi * LoadPair(r + 6);
            }
        }
        StorePair(out + s, s0);
        StorePair(out + s + 2, s1);
        StorePair(out + s + 4, s2);
        StorePair(out + s + 6, s3);
    }
}

// x_B = B^-1 (b - sum of the nonbasic columns at their bounds), rounded to zero
// below the tolerance as after every step. Values carried from step to step
// drift by that rounding (up to the tolerance per step).
void Engine::RecomputeBasicValues() {
    CountWork(static_cast<long long>(m_) * (N_ + 2 * m_));
    double rhs[kStride];
    for (int i = 1; i <= m_; ++i) rhs[i] = L.dblRightHandSides(i);
    for (int j = 1; j <= N_; ++j) {
        if (status_[j] != -1 && status_[j] != 1) continue;
        const double v = status_[j] == 1 ? ub_[j] : lb_[j];
        if (v == 0.0) continue;
        const double* a = Col(j);
        for (int i = 1; i <= m_; ++i) rhs[i] -= a[i] * v;
    }
    double part[kStride];
    for (int i = 1; i <= m_; ++i) {
        const double* row = &li_[i * kStride];
        double t = 0;
        for (int k = 1; k <= m_; ++k) t += row[k] * rhs[k];
        part[i] = t;
    }
    for (int i = m_; i >= 1; --i) {
        const double* row = &u_[i * kStride];
        double t = part[i];
        for (int k = i + 1; k <= m_; ++k) t -= row[k] * x_[k];
        if (row[i] == 0.0) Fail(pf::errDivisionByZero);
        x_[i] = t / row[i];
    }
    for (int i = 1; i <= m_; ++i) {
        CheckFinite(x_[i]);
        if (std::fabs(x_[i]) < tol_) x_[i] = 0.0;
    }
}

void Engine::ChangeBasis() {
    const int e = L.intEnteringColumn;
    const int dir = L.intEnteringDirection;
    const double step = L.dblStepLength;
    const int p = L.intLeavingPosition;
    const int leavingBound = L.intLeavingBound;

    if (leavingBound == 0) {
        status_[e] = dir;
    } else {
        status_[e] = 0;
        status_[basis_[p]] = leavingBound == 1 ? -1 : 1;
    }
    for (int i = 1; i <= m_; ++i) {
        double v = x_[i] - dir * step * alpha_[i];
        x_[i] = std::fabs(v) < tol_ ? 0.0 : v;
        CheckFinite(x_[i]);
    }
    if (leavingBound == 0) return;

    const int leaving = basis_[p];
    kind_[e] = std::abs(kind_[e]);
    kind_[leaving] = -kind_[leaving];
    if (kind_[leaving] == -4) kind_[leaving] = 0;

    // Below its diagonal U holds exact zeros (the one entry of each column
    // below it is set to 0 as it is eliminated), so a row i moves only from
    // column i - 1 on: further left it would copy zeros onto zeros.
    if (const int shift = m_ - p; shift > 0) {
        std::memmove(basis_ + p, basis_ + p + 1, sizeof(int) * shift);
        std::memmove(x_ + p, x_ + p + 1, sizeof(double) * shift);
        for (int i = 1; i <= m_; ++i) {
            const int from = std::max(p, i - 1);
            if (from < m_) ShiftLeft(&U(i, from), m_ - from);
        }
    }
    basis_[m_] = e;
    double v = dir > 0 ? lb_[e] + step : ub_[e] - step;
    x_[m_] = std::fabs(v) < tol_ ? 0.0 : v;  // rounded like every other basic value
    CountFinishedArtificials();
    for (int i = 1; i <= m_; ++i) U(i, m_) = partial_[i];

    for (int k = p; k < m_; ++k) {
        if (std::fabs(U(k + 1, k)) > std::fabs(U(k, k))) {
            SwapRows(&U(k, k), &U(k + 1, k), m_ - k + 1);  // zeros in both left of column k
            SwapRows(&Li(k, 1), &Li(k + 1, 1), m_);
        }
        if (U(k, k) == 0.0) Fail(pf::errDivisionByZero);
        const double f = U(k + 1, k) / U(k, k);
        if (f != 0.0) {
            SubtractMultiple(&Li(k + 1, 1), &Li(k, 1), f, m_);
            SubtractMultiple(&U(k + 1, k + 1), &U(k, k + 1), f, m_ - k);
        }
        U(k + 1, k) = 0.0;
    }
    if (U(m_, m_) == 0.0) Fail(pf::errDivisionByZero);
}

// ---------------------------------------------------------------------------
// Primal simplex

void Engine::CountWork(long long work) {
    work_ += work;
    if (work_ <= limits_.workBudget) return;
    if (integerLP_ == 1 && L.intIntegerCount > 0) throw RunEnd{EngineStatus::NodeLimit};
    // Without a search only a simplex run can use the budget up.
    iterationLimit_ = L.intIterationCount + L.intDualIterationCount;
    throw RunEnd{EngineStatus::IterationLimit};
}

void Engine::CountIteration(long& counter, long& runCount, long long work) {
    ++counter;
    if (++runCount > guard_) {
        iterationLimit_ = guard_;
        throw RunEnd{EngineStatus::IterationLimit};
    }
    CountWork(work);
}

void Engine::ComputeReducedCosts() {
    PackColumns();
    double start[kColumnCapacity + 8], out[kColumnCapacity + 8];
    for (int s = 0; s < slots_; ++s) start[s] = c_[slotColumn_[static_cast<std::size_t>(s)]];
    for (int s = slots_; s < packStride_; ++s) start[s] = 0;
    PackedProducts<true>(y_, start, out);
    for (int j = 1; j <= N_; ++j) d_[j] = 0;
    for (int s = 0; s < slots_; ++s) {
        const int j = slotColumn_[static_cast<std::size_t>(s)];
        if (NeedsPrice(j)) d_[j] = out[s];
    }
}

void Engine::ChooseEnteringColumn(bool smallestIndex) {
    double best = -inf_;
    for (int j = 1; j <= N_; ++j) {
        // Most columns fall short of the best so far (basic ones have rate
        // 0 here): pass them over before the tests below, which would take
        // no action on them either.
        if (!smallestIndex && (status_[j] == 1 ? -d_[j] : d_[j]) < best) continue;
        double rate;
        int dir;
        if (status_[j] == -1) {
            rate = d_[j];
            dir = 1;
        } else if (status_[j] == 1) {
            rate = -d_[j];
            dir = -1;
        } else {
            continue;
        }
        if (smallestIndex) {
            if (rate >= kPriceTolerance) {
                best = rate;
                L.intEnteringColumn = j;
                L.intEnteringDirection = dir;
                break;
            }
            continue;
        }
        if (rate == best) {
            if (A(0, j) > A(0, L.intEnteringColumn)) {
                L.intEnteringColumn = j;
                L.intEnteringDirection = dir;
            }
        } else if (rate > best) {
            best = rate;
            L.intEnteringColumn = j;
            L.intEnteringDirection = dir;
        }
    }
    L.dblBestReducedCost = best;
}

void Engine::Price() {
    SetPhaseCosts();
    ComputeDualPrices();
    ComputeReducedCosts();
}

void Engine::PrimalRatioTest(bool smallestIndex) {
    const int e = L.intEnteringColumn;
    const int dir = L.intEnteringDirection;
    TransformColumn(e);
    double step = ub_[e] - lb_[e];
    int leavingPos = 0, leavingBound = 0;
    const bool phase1Done = L.intArtificialCount == L.intArtificialsDone;
    auto take = [&](int r, double ratio, int bound) {
        leavingPos = r;
        step = ratio;
        leavingBound = bound;
    };
    // Among rows whose ratios tie, the smallest-index rule takes the lowest column.
    auto tieBreak = [&](int r, double ratio) {
        return smallestIndex && leavingPos != 0 &&
               std::fabs(ratio - step) <= 1e-12 * (1.0 + std::fabs(step)) &&
               basis_[r] < basis_[leavingPos];
    };
    for (int r = 1; r <= m_; ++r) {
        const int k = basis_[r];
        const double xr = x_[r];
        const double al = alpha_[r];
        if (kind_[k] == 4 && phase1Done && xr < tol_) {
            if (std::fabs(al) > tol_) {
                take(r, 0.0, 1);
                break;
            }
            continue;
        }
        // x_r falls when dir * alpha > 0 and rises when dir * alpha < 0.
        const double da = dir * al;
        if (da > tol_) {
            double ratio = std::max(0.0, (xr - lb_[k]) / da);
            if (ratio < step || (ratio == step && kind_[k] == 4) || tieBreak(r, ratio))
                take(r, ratio, 1);
        } else if (-da > tol_) {
            // A basic variable without an upper bound never limits a rising step.
            if (ub_[k] >= inf_) continue;
            double ratio = std::max(0.0, (xr - ub_[k]) / da);
            if (ratio < step || tieBreak(r, ratio)) take(r, ratio, 2);
        }
    }
    if (leavingPos == 0 && ub_[e] >= inf_) throw RunEnd{EngineStatus::Unbounded};
    L.dblStepLength = step;
    L.intLeavingPosition = leavingPos;
    L.intLeavingBound = leavingBound;
}

void Engine::PrimalSimplex() {
    bool smallestIndex = false;
    int degenerate = 0;
    long run = 0;
    // Pricing, one transformation and one factor update.
    const long long iterationWork = static_cast<long long>(m_) * (N_ + 4 * m_) + N_ + kIterationOverhead;
    CountWork(iterationWork);
    Price();
    ChooseEnteringColumn(false);
    while (L.dblBestReducedCost >= kPriceTolerance) {
        CountIteration(L.intIterationCount, run, iterationWork);
        PrimalRatioTest(smallestIndex);
        ChangeBasis();
        if (L.dblStepLength <= kDegenerateStep) {
            if (++degenerate >= kDegenerateRun) smallestIndex = true;
        } else {
            degenerate = 0;
            smallestIndex = false;
        }
        Price();
        ChooseEnteringColumn(smallestIndex);
    }
    longestPrimalRun_ = std::max(longestPrimalRun_, run);
    L.intNodeState = 1;
}

// ---------------------------------------------------------------------------
// Dual simplex

// A value outside its bound by rounding only (1e-9 relative) is not violated:
// compared exactly, x = 1.9999999999999998 against the bound 2 closed feasible
// nodes as infeasible.
int Engine::BoundStatus(int k, double v) const {
    const double lo = lb_[k] - kFeasibilityTolerance * std::max(1.0, std::fabs(lb_[k]));
    const double hi = ub_[k] + kFeasibilityTolerance * std::max(1.0, std::fabs(ub_[k]));
    return v < lo ? -2 : (v > hi ? 2 : 0);
}

void Engine::MarkBoundViolations() {
    for (int i = 1; i <= m_; ++i) status_[basis_[i]] = BoundStatus(basis_[i], x_[i]);
}

void Engine::ChooseLeavingRow(bool smallestIndex) {
    L.intLeavingPosition = 0;
    L.intBoundViolation = 0;
    double worst = 0;
    for (int i = 1; i <= m_; ++i) {
        const int k = basis_[i];
        double violation, gap;
        int bound;
        if (status_[k] == -2) {
            violation = lb_[k] - x_[i];
            gap = x_[i] - lb_[k];
            bound = 1;
        } else if (status_[k] == 2) {
            violation = x_[i] - ub_[k];
            gap = x_[i] - ub_[k];
            bound = 2;
        } else {
            continue;
        }
        bool take;
        if (L.intLeavingPosition == 0)
            take = true;
        else if (smallestIndex)
            take = k < basis_[L.intLeavingPosition];
        else
            take = violation > worst;
        if (take) {
            L.intLeavingPosition = i;
            L.dblLeavingGap = gap;
            L.intLeavingBound = bound;
            L.intBoundViolation = 1;
            worst = violation;
        }
    }
}

// After a bound flip the same row stays the leaving row: the flip is the first
// part of one dual step, which ends when a column enters on that row (or when
// no column can, which proves the problem infeasible). So does a row whose
// values were recomputed: it is still the row to prove.
void Engine::KeepLeavingRow(int i, bool smallestIndex) {
    const int k = basis_[i];
    if (status_[k] != -2 && status_[k] != 2) {
        ChooseLeavingRow(smallestIndex);
        return;
    }
    L.intLeavingPosition = i;
    L.intBoundViolation = 1;
    L.intLeavingBound = status_[k] == -2 ? 1 : 2;
    L.dblLeavingGap = x_[i] - (status_[k] == -2 ? lb_[k] : ub_[k]);
}

// Standard ratio test: the column that keeps the reduced costs' signs longest
// (smallest |d_j| / |a_rj|) enters, the lower column on ties.
void Engine::DualRatioTest(bool smallestIndex, bool keepDualFeasible) {
    const int r = L.intLeavingPosition;
    const int k = basis_[r];
    const bool below = x_[r] < lb_[k];
    L.intNodeState = 1;
    L.intEnteringColumn = 0;
    double best = inf_;
    bool found = false;
    ComputeBasisRow(r);
    // Every column that can be eligible (nonbasic, not a finished artificial)
    // is packed.
    PackColumns();
    double out[kColumnCapacity + 8];
    PackedProducts<false>(rho_.data(), nullptr, out);
    for (int s = 0; s < slots_; ++s) arj_[slotColumn_[static_cast<std::size_t>(s)]] = out[s];
    for (int j = 1; j <= N_; ++j) {
        if (kind_[j] >= 0) continue;
        const int st = status_[j];
        if (st != -1 && st != 1) continue;
        if (!(ub_[j] > lb_[j])) continue;  // a fixed column cannot move
        const double arj = arj_[j];
        bool eligible;
        if (below)
            eligible = (arj < -tol_ && st == -1) || (arj > tol_ && st == 1);
        else
            eligible = (arj < -tol_ && st == 1) || (arj > tol_ && st == -1);
        if (!eligible) continue;
        // Keeping the basis dual feasible, a reduced cost within rounding of
        // zero is zero: the step is degenerate and counts towards the
        // smallest-index rule, which noise of 1e-13 would otherwise keep off.
        const double dj = keepDualFeasible && std::fabs(d_[j]) <= kDualZero ? 0.0 : std::fabs(d_[j]);
        const double ratio = dj / std::fabs(arj);
        const bool better = smallestIndex ? ratio < best - 1e-12 * (1.0 + std::fabs(best))
                                          : ratio < best;
        if (!found || better) {
            found = true;
            best = ratio;
            L.intEnteringColumn = j;
        }
    }
    L.dblBestDualRatio = best;
    if (!found) {
        L.intNodeState = 2;
        return;
    }
    DualStep(keepDualFeasible);
}

void Engine::DualStep(bool keepDualFeasible) {
    const int q = L.intEnteringColumn;
    const int r = L.intLeavingPosition;
    const int k = basis_[r];
    const bool below = x_[r] < lb_[k];
    TransformColumn(q);
    const double a = alpha_[r];
    if (a == 0.0) Fail(pf::errDivisionByZero);
    const double range = ub_[q] - lb_[q];
    L.dblStepLength = range;
    L.intLeavingBound = 0;
    if (status_[q] == -1) {
        L.intEnteringDirection = 1;
        const double t = L.dblLeavingGap / a;
        // Keeping the basis dual feasible, the rising column flips to its
        // upper bound only when the row is still violated afterwards, so the
        // dual step can go on along the same row. A flip that repairs the row
        // would leave the column on its upper bound with a reduced cost of the
        // wrong sign: the column enters instead.
        bool enters = t < range;
        if (!enters && keepDualFeasible) {
            double after = x_[r] - range * a;
            if (std::fabs(after) < tol_) after = 0.0;
            enters = BoundStatus(k, after) == 0;
        }
        if (enters) {
            L.dblStepLength = t;
            L.intLeavingBound = below ? 1 : 2;
        }
    } else {
        L.intEnteringDirection = -1;
        L.dblStepLength = -L.dblLeavingGap / a;
        L.intLeavingBound = below ? 1 : 2;
    }
    CheckFinite(L.dblStepLength);
}

// Gives every nonbasic column whose reduced cost has the wrong sign for its
// bound the cost that makes it zero. The basis is then dual feasible for the
// costs, which stay fixed for the rest of the run.
void Engine::MakeCostsDualFeasible() {
    for (int j = 1; j <= N_; ++j) {
        if (kind_[j] >= 0) continue;
        if ((status_[j] == -1 && d_[j] > 0) || (status_[j] == 1 && d_[j] < 0)) {
            c_[j] -= d_[j];
            d_[j] = 0;
        }
    }
}

// The basic columns and the columns at their upper bound, as one number (the
// order of the positions does not count).
std::uint64_t Engine::BasisKey() const {
    auto mix = [](std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    };
    std::uint64_t key = 0;
    for (int j = 1; j <= N_; ++j) {
        if (kind_[j] > 0) key += mix(2 * static_cast<std::uint64_t>(j));
        else if (status_[j] == 1) key += mix(2 * static_cast<std::uint64_t>(j) + 1);
    }
    return key;
}

// Adds a basis key to those met in this run; false when it was there already.
bool Engine::Remember(std::uint64_t key) {
    const auto it = std::lower_bound(seen_.begin(), seen_.end(), key);
    if (it != seen_.end() && *it == key) return false;
    seen_.insert(it, key);
    return true;
}

// Termination. The rules above end on almost every run, and a run keeps them
// until it comes back to a basis it has had (with the same columns at their
// upper bounds), or for at most 10 x (rows + columns) iterations. They can
// cycle: a bound flip leaves the duals where they were, so the flipped column
// sits on its new bound with a reduced cost of the wrong sign, and when the
// next iteration picks another leaving row the basis is no longer dual
// feasible; from there the loop can come back to the same bases for ever
// without one degenerate step. Such a run goes on under rules that end:
// - its costs are fixed for the rest of the run, shifted so that the basis is
//   dual feasible (a nonbasic column whose reduced cost has the wrong sign for
//   its bound gets the cost that makes it zero);
// - a flip is taken only when its row stays violated, and that row stays the
//   leaving row until a column enters on it (or none can: infeasible);
// so the basis stays dual feasible, every step with a positive dual ratio
// raises the dual objective and no basis comes back; a run of degenerate
// steps (reduced costs within 1e-9 of zero count as zero) switches to the
// smallest-index rule (leaving and entering), which cannot cycle either.
void Engine::DualSimplex() {
    L.intNodeState = 1;
    bool smallestIndex = false, fixedCosts = false, recomputed = false;
    int degenerate = 0;
    long run = 0;
    // Pricing, one row of B^-1 and its products, one transformation and one update.
    const long long iterationWork = static_cast<long long>(m_) * (2 * N_ + 5 * m_) + N_ + kIterationOverhead;
    const long fixCostsAfter = 10L * (m_ + N_);
    seen_.clear();
    seen_.reserve(static_cast<std::size_t>(fixCostsAfter) + 1);
    MarkBoundViolations();
    ChooseLeavingRow(false);
    while (L.intBoundViolation == 1 && L.intNodeState != 2) {
        CountIteration(L.intDualIterationCount, run, iterationWork);
        if (fixedCosts) {
            ComputeDualPrices();
            ComputeReducedCosts();
        } else {
            Price();
            if (!Remember(BasisKey()) || run > fixCostsAfter) {
                fixedCosts = true;
                MakeCostsDualFeasible();
            }
        }
        DualRatioTest(smallestIndex, fixedCosts);
        // A violation with no column to repair it proves infeasibility only
        // if it is still there in values computed afresh from the basis.
        if (L.intNodeState == 2 && !recomputed) {
            recomputed = true;
            RecomputeBasicValues();
            MarkBoundViolations();
            KeepLeavingRow(L.intLeavingPosition, smallestIndex);
            L.intNodeState = 1;
            continue;
        }
        if (L.intNodeState == 2) break;
        const int r = L.intLeavingPosition;
        const bool flip = L.intLeavingBound == 0;
        // DualStep transformed the entering column: the partial column is ready.
        ChangeBasis();
        recomputed = false;
        if (!flip || !fixedCosts) {
            if (L.dblBestDualRatio <= 1e-12) {
                if (++degenerate >= kDegenerateRun) smallestIndex = true;
            } else {
                degenerate = 0;
                smallestIndex = false;
            }
        }
        MarkBoundViolations();
        if (flip && fixedCosts)
            KeepLeavingRow(r, smallestIndex);
        else
            ChooseLeavingRow(smallestIndex);
    }
    longestDualRun_ = std::max(longestDualRun_, run);
}

// ---------------------------------------------------------------------------
// Branch and bound

bool Engine::Improves(double v) const {
    if (L.intIncumbentNode < 0) return true;
    const double inc = L.dblIncumbentValue;
    return v < inc - kPruneTolerance * std::max(1.0, std::fabs(inc));
}

int Engine::AddNode(int column, double bound, int parent, double parentValue) {
    L.intNodeClosed.push_back(0);
    L.dblNodeBounds.push_back(bound);
    L.intNodeColumns.push_back(column);
    L.intNodeParents.push_back(parent);
    L.dblNodeParentValues.push_back(parentValue);
    return static_cast<int>(L.intNodeClosed.size()) - 1;
}

void Engine::ComputeObjectiveValue() {
    double v = 0;
    for (int i = 1; i <= m_; ++i) v += x_[i] * c_[basis_[i]];
    for (int j = 1; j <= N_; ++j) {
        if (status_[j] == -1)
            v += c_[j] * lb_[j];
        else if (status_[j] == 1)
            v += c_[j] * ub_[j];
    }
    L.dblObjectiveValue = v;
}

void Engine::CheckIntegrality() {
    L.intIntegralCount = 0;
    for (int j = 1; j <= n_; ++j)
        if (intFlag_[j] == 1 && (status_[j] == -1 || status_[j] == 1)) ++L.intIntegralCount;
    for (int i = 1; i <= m_; ++i) {
        double v = x_[i];
        if (std::floor(v) < std::floor(v + tol_)) v = x_[i] = std::floor(v + 1e-5);
        if (intFlag_[basis_[i]] == 1 && std::fabs(v - std::nearbyint(v)) <= 1e-5)
            ++L.intIntegralCount;
    }
    if (L.intIntegralCount == L.intIntegerCount && L.intNodeState != 2) L.intNodeState = 3;
}

void Engine::ChooseBranchingColumn() {
    L.dblBranchFraction = -inf_;
    for (int i = 1; i <= m_; ++i) {
        const int k = basis_[i];
        if (k > n_ || intFlag_[k] != 1) continue;
        const double v = x_[i];
        const double f = v - std::floor(v);
        bool take;
        if (std::fabs(L.dblBranchFraction - f) < 1e-5)
            take = v > L.dblBranchValue;
        else
            take = f > L.dblBranchFraction;
        if (take) {
            L.dblBranchFraction = f;
            L.intBranchColumn = k;
            L.dblBranchValue = v;
        }
    }
}

void Engine::ProcessFractionalNode() {
    ComputeObjectiveValue();
    const double v = -L.dblObjectiveValue;
    if (Improves(v) || std::fabs(L.dblObjectiveValue) >= inf_)
        Branch();
    else
        CloseNode(L.intCurrentNode);
}

// An equal value never replaces the incumbent. Equal must include values that
// differ only by rounding (the same objective summed in another basis order),
// so an integral node has to beat the incumbent by the pruning margin too.
void Engine::ProcessIntegralNode() {
    ComputeObjectiveValue();
    const double v = -L.dblObjectiveValue;
    if (Improves(v)) {
        L.dblIncumbentValue = v;
        L.intIncumbentNode = L.intCurrentNode;
    }
    CloseNode(L.intCurrentNode);
    // Open nodes whose parent relaxation cannot beat the incumbent are done.
    for (int s : L.intOpenNodes)
        if (!Improves(L.dblNodeParentValues[static_cast<std::size_t>(s)])) CloseNode(s);
}

void Engine::Branch() {
    const int k = L.intCurrentNode;
    CloseNode(k);
    if (k == 0) SaveRootLP();
    const double v = -L.dblObjectiveValue;
    const double x = L.dblBranchValue;
    const int c = L.intBranchColumn;
    // The at-least child goes on top, so it is solved first.
    L.intOpenNodes.push_back(AddNode(+c, std::floor(x), k, v));
    L.intOpenNodes.push_back(AddNode(-c, std::floor(x + 1), k, v));
}

// The deepest open node, the at-least child before its sibling, a subtree
// finished before the next: the top of the stack of open nodes.
void Engine::SelectNextNode() {
    L.intCurrentNode = -1;
    while (!L.intOpenNodes.empty()) {
        const int s = L.intOpenNodes.back();
        L.intOpenNodes.pop_back();
        if (L.intNodeClosed[static_cast<std::size_t>(s)] == 0) {
            L.intCurrentNode = s;
            return;
        }
    }
}

void Engine::PrepareNextNode() {
    if (L.intCurrentNode < 0) {
        if (L.intIncumbentNode < 0) throw RunEnd{EngineStatus::Infeasible};
        L.intSearchDone = 1;
        L.intCurrentNode = L.intIncumbentNode;
        if (L.intIncumbentNode != 0) {
            RestoreRootLP();
            ReplayNodePath(L.intCurrentNode);
        }
        return;
    }
    RestoreRootLP();
    ReplayNodePath(L.intCurrentNode);
}

void Engine::SaveRootLP() {
    for (int i = 1; i <= m_; ++i) {
        for (int k = 1; k <= m_; ++k) {
            L.dblRootUMatrix(i, k) = U(i, k);
            L.dblRootLInverse(i, k) = Li(i, k);
        }
        L.dblRootPartialColumn(i) = partial_[i];
        L.dblRootTransformedColumn(i) = alpha_[i];
        L.intRootBasisColumns(i) = basis_[i];
        L.dblRootBasicValues(i) = x_[i];
        L.dblRootDualWork(i) = w_[i];
    }
    for (int j = 1; j <= N_; ++j) {
        L.intRootColumnStatuses(j) = status_[j];
        L.intRootColumnKinds(j) = kind_[j];
    }
    for (int j = 1; j <= n_; ++j) {
        L.dblRootUpperBounds(j) = ub_[j];
        L.dblRootLowerBounds(j) = lb_[j];
    }
}

void Engine::RestoreRootLP() {
    CountWork(2LL * m_ * m_ + 2LL * N_);
    for (int i = 1; i <= m_; ++i) {
        for (int k = 1; k <= m_; ++k) {
            U(i, k) = L.dblRootUMatrix(i, k);
            Li(i, k) = L.dblRootLInverse(i, k);
        }
        partial_[i] = L.dblRootPartialColumn(i);
        alpha_[i] = L.dblRootTransformedColumn(i);
        basis_[i] = L.intRootBasisColumns(i);
        x_[i] = L.dblRootBasicValues(i);
        w_[i] = L.dblRootDualWork(i);
    }
    for (int j = 1; j <= N_; ++j) {
        status_[j] = L.intRootColumnStatuses(j);
        kind_[j] = L.intRootColumnKinds(j);
    }
    for (int j = 1; j <= n_; ++j) {
        ub_[j] = L.dblRootUpperBounds(j);
        lb_[j] = L.dblRootLowerBounds(j);
    }
}

bool Engine::IsColumnBasic(int c) const {
    for (int i = 1; i <= m_; ++i)
        if (basis_[i] == c) return true;
    return false;
}

void Engine::ShiftBasicValues(int column, double delta) {
    CountWork(static_cast<long long>(m_) * (m_ + 1));
    TransformColumn(column);
    for (int i = 1; i <= m_; ++i) {
        double v = x_[i] - alpha_[i] * delta;
        x_[i] = std::fabs(v) < tol_ ? 0.0 : v;
    }
}

// The node's own bound first, then its ancestors'; only a tighter bound is
// applied, so the tightest bound on each variable along the path holds.
void Engine::ReplayNodePath(int k) {
    for (int j = n_ + 1; j <= N_; ++j) {
        ub_[j] = inf_;
        lb_[j] = 0;
    }
    CountWork(N_);
    while (k > 0) {
        CountWork(m_ + 4);  // finding the column among the basic ones, and the step up
        const auto s = static_cast<std::size_t>(k);
        const int col = L.intNodeColumns[s];
        const int c = std::abs(col);
        const double b = L.dblNodeBounds[s];
        if (col > 0) {
            if (b < ub_[c]) {
                if (status_[c] == 1 && !IsColumnBasic(c)) ShiftBasicValues(c, b - ub_[c]);
                ub_[c] = b;
            }
        } else {
            if (b > lb_[c]) {
                if (status_[c] == -1 && !IsColumnBasic(c)) ShiftBasicValues(c, b - lb_[c]);
                lb_[c] = b;
            }
        }
        k = L.intNodeParents[s];
    }
}

void Engine::SolveNode() {
    ++L.intNodesSolved;
    DualSimplex();
    if (L.intNodeState != 2) {
        PrimalSimplex();
        // A node whose simplex ends in phase 1 has no feasible point.
        if (L.intPhase == 1) L.intNodeState = 2;
    }
    if (onNode_) onNode_(L, L.intNodeState != 2);
}

void Engine::BranchAndBoundStep() {
    CheckIntegrality();
    ChooseBranchingColumn();
    switch (L.intNodeState) {
        case 1: ProcessFractionalNode(); break;
        case 2: CloseNode(L.intCurrentNode); break;
        default: ProcessIntegralNode(); break;
    }
    SelectNextNode();
    PrepareNextNode();
}

void Engine::BranchAndBound() {
    L.intCurrentNode = AddNode(0, 0, -1, 0);  // the root
    L.intIncumbentNode = -1;
    L.dblIncumbentValue = inf_;
    while (L.intSearchDone == 0) {
        SolveNode();
        BranchAndBoundStep();
    }
}

void Engine::FinalSolve() {
    DualSimplex();
    if (L.intNodeState == 2) throw RunEnd{EngineStatus::Infeasible};
    PrimalSimplex();
}

// ---------------------------------------------------------------------------
// The run

EngineResult Engine::Outcome(EngineStatus status, int errorNumber) {
    EngineResult res;
    res.status = status;
    res.iterations = L.intIterationCount + L.intDualIterationCount;
    res.nodes = L.intNodesSolved;
    res.work = work_;
    res.longestPrimalRun = longestPrimalRun_;
    res.longestDualRun = longestDualRun_;
    res.title = LP_Engine::kSolutionTitle;
    res.icon = EngineIcon::Information;
    switch (status) {
        case EngineStatus::Optimal: {
            res.title.clear();
            res.icon = EngineIcon::None;
            res.printEnabled = true;
            ComputeObjectiveValue();
            double v = L.dblObjectiveValue;
            res.objectiveValue = L.intOptimizationType == 1 ? 0.0 - v : v;
            break;
        }
        case EngineStatus::Infeasible: res.message = LP_Engine::kNoFeasibleSolution; break;
        case EngineStatus::Unbounded: res.message = LP_Engine::kUnbounded; break;
        case EngineStatus::IterationLimit:
            res.message = "The limit of " + std::to_string(iterationLimit_) +
                          " simplex iterations was reached before the problem was solved. "
                          "No solution is shown.";
            break;
        case EngineStatus::NodeLimit:
            // The budget is work, not nodes; the box names the nodes it allowed.
            res.message = "The limit of " + std::to_string(L.intNodesSolved) +
                          " branch-and-bound nodes was reached before the search ended. "
                          "No solution is shown.";
            break;
        case EngineStatus::ArithmeticFailure:
            res.errorNumber = errorNumber;
            res.message = pf::errorText(errorNumber);
            res.title = "Error # " + std::to_string(errorNumber);
            res.icon = EngineIcon::Critical;
            break;
    }
    return res;
}

EngineResult Engine::Run() {
    m_ = L.intConstraintCount;
    n_ = L.intVariableCount;
    if (m_ < 1 || m_ > kRowCapacity || n_ < 1 || n_ > kDecisionCapacity) pf::raise(pf::errSubscript);

    Redimension();
    L.dblInfinity = inf_ = std::pow(10.0, 15);
    L.dblTolerance = tol_ = std::pow(10.0, -5);
    for (int j = 1; j <= kDecisionCapacity; ++j) {
        ub_[j] = inf_;
        lb_[j] = 0;
    }
    L.intRoundDigits = 6;
    L.intPhase = 0;
    L.intIterationCount = 0;
    L.intDualIterationCount = 0;
    L.intNodesSolved = 0;
    L.intNodeState = 0;
    L.intEnteringColumn = 0;
    L.intSearchDone = 1;
    L.intIncumbentNode = -1;
    L.intIntegerCount = 0;
    guard_ = limits_.runIterationGuard > 0 ? limits_.runIterationGuard : 5000 + 50L * (m_ + n_ + 2 * m_);

    try {
        LoadMatrix();
        if (integerLP_ == 1) {
            QVLP::ReadIntegerSection(L, L.intIntegerFlags, L.dblUpperBounds, inf_);
            L.intSearchDone = L.intIntegerCount == 0 ? 1 : 0;
        }
        SetUpColumns();
        if (integerLP_ == 1) BranchAndBound();
        FinalSolve();
        if (L.intPhase == 1) return Outcome(EngineStatus::Infeasible);
        // Never show a solution made of infinities.
        ComputeObjectiveValue();
        CheckFinite(L.dblObjectiveValue);
        for (int i = 1; i <= m_; ++i) CheckFinite(x_[i]);
        for (int k = 1; k <= m_; ++k) CheckFinite(y_[k]);
        return Outcome(EngineStatus::Optimal);
    } catch (const RunEnd& end) {
        return Outcome(end.status, end.errorNumber);
    }
}

}  // namespace

namespace LP_Engine {

EngineResult Solve(LPBlock& lp, int integerLP, const EngineLimits& limits, const NodeObserver& onNode) {
    Engine engine(lp, integerLP, limits, onNode);
    return engine.Run();
}

EngineResult Solve(const EngineLimits& limits) { return Solve(S().lp, S().intIntegerLP, limits); }

}  // namespace LP_Engine
}  // namespace qv
