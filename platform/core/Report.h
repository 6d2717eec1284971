#pragma once
// Where a report procedure writes: the printer or the text file. Both receive the
// same items; a page break is a new page on the printer and a form-feed line in the file.
#include <string>
#include <vector>

namespace pf {

class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void text(const std::string& piece) = 0;  // continues the current line
    virtual void endLine() = 0;
    virtual void newPage() = 0;
    void line(const std::string& s) { text(s); endLine(); }
};

// Text report: lines ended CR LF, a page break as a line holding only "\f".
class TextReportSink : public ReportSink {
public:
    void text(const std::string& piece) override { current_ += piece; }
    void endLine() override { out_ += current_; out_ += "\r\n"; current_.clear(); }
    void newPage() override {
        if (!current_.empty()) endLine();
        out_ += "\f\r\n";
    }
    // Contents so far; a line left open is ended, as closing the file would.
    std::string contents() const { return current_.empty() ? out_ : out_ + current_ + "\r\n"; }

private:
    std::string out_;
    std::string current_;
};

// Records pages of lines; used by the printer stand-in and by tests.
class RecordingReportSink : public ReportSink {
public:
    RecordingReportSink() : pages_(1) {}
    void text(const std::string& piece) override { current_ += piece; open_ = true; }
    void endLine() override { pages_.back().push_back(current_); current_.clear(); open_ = false; }
    void newPage() override {
        if (open_) endLine();
        pages_.emplace_back();
    }
    void finish() { if (open_) endLine(); }
    const std::vector<std::vector<std::string>>& pages() const { return pages_; }

private:
    std::vector<std::vector<std::string>> pages_;
    std::string current_;
    bool open_ = false;
};

}  // namespace pf
