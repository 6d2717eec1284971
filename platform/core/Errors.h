#pragma once
// Run-time failures carry the error number the program's handlers test for.
#include <stdexcept>
#include <string>

namespace pf {

enum ErrorNumber : int {
    errReturnWithoutGosub = 3,
    errInvalidCall = 5,
    errOverflow = 6,
    errOutOfMemory = 7,
    errSubscript = 9,
    errDivisionByZero = 11,
    errTypeMismatch = 13,
    errBadFileNameOrNumber = 52,
    errFileNotFound = 53,
    errBadFileMode = 54,
    errFileAlreadyOpen = 55,
    errDeviceIO = 57,
    errFileExists = 58,
    errDiskFull = 61,
    errInputPastEnd = 62,
    errPermissionDenied = 70,
    errPathFileAccess = 75,
    errPathNotFound = 76,
    errNoSuchElement = 340,
    errObjectAlreadyLoaded = 360,
    errPrinter = 482,
    errCancel = 32755,
};

// Standard text for an error number, as shown by the error reporter.
std::string errorText(int number);

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const std::string& text);
    int number() const { return number_; }

private:
    int number_;
};

[[noreturn]] void raise(int number);

// The pending run-time error, as a handler sees it. Handlers record the caught
// error here before calling the error reporter; Clear ends it.
struct ErrState {
    int Number = 0;
    std::string Description;
    void set(const RuntimeError& e) { Number = e.number(); Description = e.what(); }
    void Clear() { Number = 0; Description.clear(); }
};
ErrState& Err();

}  // namespace pf
