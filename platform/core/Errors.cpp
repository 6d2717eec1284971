#include "platform/core/Errors.h"

#include <map>

namespace pf {

std::string errorText(int number) {
    static const std::map<int, std::string> texts = {
        {3, "Return without GoSub"},
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {7, "Out of memory"},
        {9, "Subscript out of range"},
        {11, "Division by zero"},
        {13, "Type mismatch"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {54, "Bad file mode"},
        {55, "File already open"},
        {57, "Device I/O error"},
        {58, "File already exists"},
        {61, "Disk full"},
        {62, "Input past end of file"},
        {70, "Permission denied"},
        {75, "Path/File access error"},
        {76, "Path not found"},
        {340, "Control array element does not exist"},
        {360, "Object already loaded"},
        {482, "Printer error"},
        {32755, "Cancel was selected."},
    };
    auto it = texts.find(number);
    if (it != texts.end()) return it->second;
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(int number) : std::runtime_error(errorText(number)), number_(number) {}
RuntimeError::RuntimeError(int number, const std::string& text)
    : std::runtime_error(text), number_(number) {}

void raise(int number) { throw RuntimeError(number); }

ErrState& Err() {
    static ErrState state;
    return state;
}

}  // namespace pf
