#pragma once
#include <string>

namespace pf {

// The folder the program runs from, and the user's home folder.
std::string programFolder();
std::string homeFolder();

}  // namespace pf
