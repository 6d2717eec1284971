#pragma once
// The main window's status caption: a text shown in it at once, and "Solving
// Problem . . ." with the busy cursor while a solve procedure runs (SolvingCaption),
// the caption and the default cursor coming back however it ends.
#include <string>

namespace qv {

inline constexpr const char* kSolvingCaption = "Solving Problem . . .";

// Shows a text in the main window's status caption at once.
void showStatusCaption(const std::string& caption);

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
