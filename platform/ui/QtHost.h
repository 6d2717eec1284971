#pragma once
#include <memory>
#include <string>

#include "platform/ui/Host.h"

class QFileDialog;

namespace pf {

// The host of the running program: real dialogs and nested event loops.
std::unique_ptr<Host> makeQtHost();

// Sets up an open or save dialog as the program shows it.
void prepareFileDialog(QFileDialog& d, const FileDialogRequest& request);

// The program's printer writing to a PDF file instead of a device (used to check
// what printing produces).
enum class PaperSize { A4, Letter };
std::unique_ptr<Printer> makePdfPrinter(const std::string& path, PaperSize paper = PaperSize::A4);

}  // namespace pf
