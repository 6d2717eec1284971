#include "platform/core/SeqFile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/core/Checked.h"
#include "platform/core/Errors.h"
#include "platform/core/Format.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace pf {

namespace fs = std::filesystem;

// ---- writing ----

void FieldWriter::separator() {
    if (fieldInRecord_) out_.push_back(',');
    fieldInRecord_ = true;
}

void FieldWriter::writeString(const std::string& s) {
    separator();
    out_ += '"';
    // A double quote would end the field early and the text would read back changed.
    for (char c : s) out_ += c == '"' ? '\'' : c;
    out_ += '"';
}

void FieldWriter::writeInt(long v) {
    separator();
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    out_.append(buf, res.ptr);
}

void FieldWriter::writeDouble(double v) {
    // A file that cannot be read back would lose the problem: refuse to write it.
    if (!std::isfinite(v)) raise(errOverflow);
    separator();
    if (v == 0) {  // also -0
        out_ += '0';
        return;
    }
    // Shortest digits that read back to the same double; plain decimals for the
    // usual magnitudes, an exponent beyond them.
    char buf[64];
    double a = std::fabs(v);
    bool fixed = a >= 1e-4 && a < 1e15;
    auto res = std::to_chars(buf, buf + sizeof buf, v,
                             fixed ? std::chars_format::fixed : std::chars_format::scientific);
    for (char* p = buf; p != res.ptr; ++p)
        if (*p == 'e') *p = 'E';
    out_.append(buf, res.ptr);
}

void FieldWriter::writeValue(const Value& v) {
    if (v.IsEmpty()) {
        separator();
        return;
    }
    writeDouble(v.num());
}

void FieldWriter::endRecord() {
    out_ += "\r\n";
    fieldInRecord_ = false;
}

// ---- reading ----

FieldReader::FieldReader(std::string data) : data_(std::move(data)) {}

bool FieldReader::atEnd() const { return pos_ >= data_.size() && !afterComma_; }

std::string FieldReader::nextField(bool& quoted) {
    quoted = false;
    if (atEnd()) raise(errInputPastEnd);
    afterComma_ = false;
    const std::size_t n = data_.size();
    while (pos_ < n && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
    auto isEnd = [&](char c) { return c == ',' || c == '\r' || c == '\n'; };
    std::string field;
    if (pos_ < n && data_[pos_] == '"') {
        quoted = true;
        ++pos_;
        std::size_t close = data_.find('"', pos_);
        if (close == std::string::npos) {  // unterminated: the rest of the file
            field = data_.substr(pos_);
            pos_ = n;
            return field;
        }
        field = data_.substr(pos_, close - pos_);
        pos_ = close + 1;
        // Blanks may follow the closing quote; anything else means a quote inside the
        // text, and the rest of it would be lost without a word.
        while (pos_ < n && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
        if (pos_ < n && !isEnd(data_[pos_])) raise(errTypeMismatch);
    } else {
        std::size_t start = pos_;
        while (pos_ < n && !isEnd(data_[pos_])) ++pos_;
        field = data_.substr(start, pos_ - start);
        while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.pop_back();
        // The writer quotes every text; a quote inside an unquoted field means the file
        // was made by something else, and what it says cannot be told.
        if (field.find('"') != std::string::npos) raise(errTypeMismatch);
    }
    if (pos_ < n) {
        char c = data_[pos_++];
        if (c == ',') {
            afterComma_ = true;
        } else if (c == '\r' && pos_ < n && data_[pos_] == '\n') {
            ++pos_;
        }
    }
    return field;
}

namespace {

// Number of a field; an empty field counts as 0, any other text is a type mismatch.
double fieldNumber(const std::string& field) {
    if (field.empty()) return 0;
    double v = 0;
    if (!ParseNumber(field, v)) raise(errTypeMismatch);
    return v;
}

}  // namespace

std::string FieldReader::readString() {
    bool quoted = false;
    return nextField(quoted);
}

int16_t FieldReader::readInt16() {
    bool quoted = false;
    return ToInt16(fieldNumber(nextField(quoted)));
}

int32_t FieldReader::readInt32() {
    bool quoted = false;
    return ToInt32(fieldNumber(nextField(quoted)));
}

double FieldReader::readDouble() {
    bool quoted = false;
    return fieldNumber(nextField(quoted));
}

Value FieldReader::readValue() {
    bool quoted = false;
    std::string field = nextField(quoted);
    if (field.empty()) return Value();
    return Value(fieldNumber(field));
}

// ---- files ----

namespace {

bool parentExists(const std::string& path) {
    std::error_code ec;
    fs::path parent = fs::path(path).parent_path();
    if (parent.empty()) return true;
    return fs::is_directory(parent, ec);
}

int openErrorNumber(int err, const std::string& path, bool reading) {
    switch (err) {
        case ENOENT:
            if (reading && parentExists(path)) return errFileNotFound;
            return errPathNotFound;
        case ENOTDIR:
            return errPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return errPermissionDenied;
        case ENOSPC:
            return errDiskFull;
        default:
            return errPathFileAccess;
    }
}

}  // namespace

std::string readFileBytes(const std::string& path) {
    if (path.empty()) raise(errBadFileNameOrNumber);
    std::error_code ec;
    if (fs::is_directory(path, ec)) raise(errPathFileAccess);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) raise(openErrorNumber(errno, path, true));
    std::string bytes;
    char buf[65536];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, got);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) raise(errDeviceIO);
    return bytes;
}

void writeFileAtomically(const std::string& path, const std::string& bytes) {
    if (path.empty()) raise(errBadFileNameOrNumber);
    std::error_code ec;
    fs::file_status target = fs::status(path, ec);
    bool exists = fs::exists(target);
    if (exists && fs::is_directory(target)) raise(errPathFileAccess);
    // A file the user made read-only stays as it is.
    if (exists && (target.permissions() & fs::perms::owner_write) == fs::perms::none)
        raise(errPermissionDenied);

    std::string tmp;
    std::FILE* f = nullptr;
    for (int i = 0; i < 100 && !f; ++i) {
        tmp = path + ".~" + std::to_string(i) + ".tmp";
        f = std::fopen(tmp.c_str(), "wbx");
        if (!f && errno != EEXIST) raise(openErrorNumber(errno, path, false));
    }
    if (!f) raise(errPathFileAccess);

    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = ok && std::fflush(f) == 0;
    int err = ok ? 0 : errno;
#if defined(__unix__) || defined(__APPLE__)
    if (ok && ::fsync(::fileno(f)) != 0) {
        ok = false;
        err = errno;
    }
#endif
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        fs::remove(tmp, ec);
        raise(err == ENOSPC ? errDiskFull : errDeviceIO);
    }
    if (exists) fs::permissions(tmp, target.permissions(), ec);
    fs::rename(tmp, path, ec);
    if (ec) {
        int e = ec.value();
        std::error_code ignored;
        fs::remove(tmp, ignored);
        raise(e == EACCES || e == EPERM || e == EROFS ? errPermissionDenied : errPathFileAccess);
    }
}

}  // namespace pf
