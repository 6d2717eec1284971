#pragma once
// "Solving Problem . . ." in the status caption with the busy cursor while a solve
// procedure runs; the caption and the default cursor come back however it ends.
#include <string>

namespace qv {

class SolvingCaption {
public:
    SolvingCaption();
    ~SolvingCaption();
    SolvingCaption(const SolvingCaption&) = delete;
    SolvingCaption& operator=(const SolvingCaption&) = delete;
    // Puts the caption back now (the cursor stays busy until the end).
    void restore();

private:
    std::string saved_;
    bool restored_ = false;
};

}  // namespace qv
