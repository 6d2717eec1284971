#pragma once
// Sequential files: the problem-file field writer and reader, and the text-report
// file. Everything is built in memory; the caller writes the bytes out atomically.
#include <cstdint>
#include <string>

#include "platform/core/Value.h"

namespace pf {

// Writes comma-separated records, each ended by CR LF. Strings are quoted, a double
// quote inside one written as an apostrophe; numbers are written with C-locale routines
// so that a double reads back to the same value.
class FieldWriter {
public:
    void writeString(const std::string& s);
    void writeInt(long v);          // 16-bit and 32-bit integers
    void writeDouble(double v);
    void writeValue(const Value& v);  // an empty value writes an empty field
    void endRecord();                 // ends the current line
    const std::string& contents() const { return out_; }

private:
    void separator();
    std::string out_;
    bool fieldInRecord_ = false;
};

// Reads fields one after another, ignoring where lines end. Failures raise
// RuntimeError: 62 past the end of the file, 6 for an integer out of range,
// 13 for a field that is not a number where one is needed, or for a double quote
// inside a field (unquoted, or followed by more text after its closing quote).
class FieldReader {
public:
    explicit FieldReader(std::string data);
    std::string readString();
    int16_t readInt16();
    int32_t readInt32();
    double readDouble();
    Value readValue();
    bool atEnd() const;  // no further field can be read

private:
    // Next raw field; quoted tells whether it was enclosed in double quotes.
    std::string nextField(bool& quoted);
    std::string data_;
    std::size_t pos_ = 0;
    bool afterComma_ = false;  // a comma was read, so one more field follows
};

// Read a whole file into memory / write bytes through a temporary file beside the
// target that is renamed over it only when complete. Raise RuntimeError on failure
// (53 file not found, 70 permission denied, 75 path/file access, 76 path not found).
std::string readFileBytes(const std::string& path);
void writeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace pf
