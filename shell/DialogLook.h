#pragma once
#include <initializer_list>
#include <string>
#include <vector>
// The one look of the program's modal dialogs: no title bar, light grey, a navy
// header line in white Century Gothic across the top with a small icon at its left,
// centred on the main window when shown. Every dialog calls this instead of repeating it.
#include "platform/ui/Controls.h"

namespace qv {

constexpr long kDialogGrey = 0x00E0E0E0;
constexpr long kHeaderNavy = 0x00800000;
constexpr long kHeaderText = 0x00FFFFFF;

// Sizes the dialog to its design client area and gives it the look. `iconBox` is the
// picture at the header's left end (0, 0, 495, 540), `icon` the picture drawn in it,
// `header` the header line from 480 twips to `headerWidth` more. The dialog is a
// pf::FormKind::Dialog form: frameless, and centred by Show(pf::vbModal).
void applyDialogLook(pf::Form& dialog, int clientWidth, int clientHeight, pf::PictureBox& iconBox,
                     pf::Image& icon, pf::Label& header, int headerWidth);

// The body text of a dialog: a label on the dialog's grey.
void dialogLabelLook(pf::Label& label, double fontSize, bool bold);

// Asks the generic grid window, when it is open, to redraw itself; the dialogs
// that a Cancel closes over it call this.
void redrawGridWindow();

// A command button of a shell dialog: its face, place, caption and tab position.
void dialogButton(pf::CommandButton& b, const char* caption, int left, int top, int width, int tabIndex);
// Option buttons of a shell dialog: navy bold Century Gothic on the grey.
void dialogOptionLook(std::initializer_list<pf::OptionButton*> options, double fontSize);

// Closes up a blank band of `height` twips that hidden rows leave in a dialog: the
// controls `below` it move up and the dialog ends as much higher. A negative height
// opens the band again, for rows shown once more.
void closeUpBand(pf::Form& dialog, int height, const std::vector<pf::Control*>& below);

// The lower edge of a control, and the lowest lower edge of those among `rows` that are
// shown (0 when none is): where a dialog that closes up over hidden rows ends.
inline int bottomOf(const pf::Control& c) { return c.Top() + c.Height(); }
int lowestShown(const std::vector<const pf::Control*>& rows);

// Shows or hides a frame that has a band of its own in a dialog (`band` twips: its
// height and the gap under it); hidden, the band is closed up over it as above.
void showBand(pf::Form& dialog, pf::Control& frame, int band, bool shown, const std::vector<pf::Control*>& below);

// Selects a box's whole text, so that what the user types next replaces it.
void selectAllText(pf::TextBox& box);

// A refused entry: the message in a critical box, then the focus back to the box
// when it can take it.
void refuseEntry(pf::TextBox& box, const std::string& message, const std::string& title = "Data Input Error");

}  // namespace qv
