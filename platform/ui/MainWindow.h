#pragma once
// What the main window needs beyond an ordinary form: its menu bar and a strip
// that stays along its bottom edge.
#include <memory>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"

namespace pf {

void attachMenuBar(Form& mainForm, const std::vector<std::unique_ptr<MenuItem>>& topMenus);
int menuBarHeightTwips(Form& mainForm);
// Keeps the control along the bottom edge of the window's client area, full width.
void dockBottom(Form& mainForm, Control& strip, int heightTwips);
// The client area never shrinks below this size, so the windows inside it, which keep
// their designed size, are never cut.
void keepClientAtLeast(Form& mainForm, int widthTwips, int heightTwips);

}  // namespace pf
