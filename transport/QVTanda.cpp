#include "transport/QVTanda.h"

// Until the transportation module lands, every tableau cell is accepted as typed.
namespace QVTanda {

int CheckCostCell(int /*i*/, int /*j*/, const std::string& /*text*/) { return 0; }
int CheckSupplyCell(int /*i*/, const std::string& /*text*/) { return 0; }
int CheckDemandCell(int /*k*/, const std::string& /*text*/) { return 0; }

}  // namespace QVTanda
