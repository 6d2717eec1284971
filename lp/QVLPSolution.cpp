#include "lp/QVLPSolution.h"

#include <string>
#include <vector>

#include "lp/core/LPSolution.h"
#include "shell/frmSolution.h"

namespace QVLP {

void ShowLPSolution() {
    const std::vector<std::string> lines = BuildLPSolutionLines();
    FrmSolution& w = frmSolution();
    w.hideTitle(true);
    w.startLines(lines.front());
    for (std::size_t k = 1; k < lines.size(); ++k) w.addLine(lines[k]);
    w.showSolution();
}

}  // namespace QVLP
