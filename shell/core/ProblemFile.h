#pragma once
// Records of the problem files of all modules: one writer and one reader, keyed on the
// current module. They work on in-memory fields; opening, closing and the atomic write
// belong to the caller. The screen work around a read is handed to hooks that the user
// interface fills, so that this code needs no windows.
#include <functional>
#include <string>

#include "platform/core/SeqFile.h"
#include "shell/core/State.h"

namespace qv {

// Error number of a count in a file that the module cannot hold.
constexpr int errCountOutOfRange = pf::errSubscript;

struct ProblemFileHooks {
    // The module's own set-up of its tables, run before the first record is read
    // (transportation and assignment: right after m and n are read). The reader has
    // already dimensioned the tables it fills.
    std::function<void()> sizeModule;
    // Linear and integer programs: parse the text model just read. False means the
    // model was refused (the parser has shown why): no input screen is laid out.
    std::function<bool()> parseModel;
    // The module lays out its input screen from the data read. Runs inside the read,
    // so a failure here counts as a read failure. Not used for inventory and waiting
    // lines, whose input forms open after the read has ended (FinishProblemRead).
    std::function<void()> rebuildScreen;
    // Inventory and waiting lines, from FinishProblemRead.
    std::function<void(const std::string&)> setStatusCaption;
    std::function<void()> showModelForm;
};

// Writes the records of the current module's format. Raises pf::RuntimeError when a
// table of the module is missing; an unknown module raises errInvalidCall.
void WriteProblemRecords(SharedState& S, pf::FieldWriter& out);

// Reads the records of the current module's format into the state and runs the hooks
// before and after them. Any failure (end of data, a field that does not fit, a count
// the module cannot hold) raises pf::RuntimeError; data read before it stay.
void ReadProblemRecords(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks);

// After a successful read, outside the read's failure handling: inventory and waiting
// lines set the model's status caption and open its input form; other modules do nothing.
void FinishProblemRead(SharedState& S, ProblemFileHooks& hooks);

// Status caption after reading a model; empty when the caption stays as it was.
std::string InventoryModelCaption(int model);
std::string WaitingLineModelCaption(int model);

// Text-model line 1: the file's own path, made safe for a quoted field.
std::string ModelPathLine(const std::string& path);

}  // namespace qv
