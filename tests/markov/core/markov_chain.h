#pragma once
// A Markov chain as the analysis takes it, built from a transition matrix with every
// element typed; shared by the analysis tests and the benchmark.
#include <vector>

#include "markov/core/MarkovAnalysis.h"
#include "markov/core/MarkovBlock.h"

namespace markovtest {

using Matrix = std::vector<std::vector<double>>;

struct Chain {
    qv::MarkovBlock mk;
    pf::Array2<double> table;
};

inline Chain MakeChain(const Matrix& p) {
    Chain c;
    Markov::InitMarkovArrays(c.mk, c.table);
    const int n = static_cast<int>(p.size());
    c.mk.intStateCount = n;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) c.mk.dblTransitionMatrix(i, j) = p[i - 1][j - 1];
    return c;
}

}  // namespace markovtest
