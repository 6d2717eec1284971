#pragma once
// The solution window: a title and a column of fixed-pitch lines, one grid row
// each. It computes nothing and keeps no data; a solve procedure fills it:
//   setTitle("...") or hideTitle(moveGridUp); startLines(first); addLine(...)...;
//   showSolution().
#include <string>
#include <vector>

#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"

class FrmSolution : public pf::Form {
public:
    static constexpr int kGridTop = 360;
    static constexpr int kGridTopNoTitle = 120;
    static constexpr int kGridWidth = 9255;

    FrmSolution();

    pf::Label lblTitle{this, "lblTitle"};
    pf::Grid gridSolution{this, "gridSolution"};

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void gridSolution_Click();
    void gridSolution_RowColChange();

    // Fill protocol.
    void setTitle(const std::string& title);
    // Hides the title; with moveGridUp the text starts at the top of the window.
    void hideTitle(bool moveGridUp);
    // Resets the grid to one plain "Courier" column and writes the first line.
    void startLines(const std::string& firstLine);
    // Appends a line (an empty text for a blank line).
    void addLine(const std::string& line);
    // Shows the window modeless and gives the main window the focus back.
    void showSolution();

    // What the window shows, for tests and scenarios.
    std::string title() const { return lblTitle.Caption(); }
    bool titleShown() const { return lblTitle.Visible(); }
    std::vector<std::string> lines() const;
};

FrmSolution& frmSolution();
