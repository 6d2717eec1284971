#include "platform/core/SeqFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/Errors.h"

namespace fs = std::filesystem;

namespace {

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const pf::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(FieldWriter, RecordsAndFieldEncoding) {
    pf::FieldWriter w;
    w.writeInt(3);
    w.endRecord();
    w.writeString("MAX 3X1 + 2X2");
    w.writeInt(-32768);
    w.writeValue(pf::Value());
    w.writeValue(pf::Value(2.0));
    w.endRecord();
    w.writeValue(pf::Value());
    w.endRecord();
    w.writeDouble(0.1);
    w.writeDouble(1e-7);
    w.writeDouble(1e20);
    w.writeDouble(-0.5);
    w.writeDouble(-0.0);
    w.writeDouble(100);
    w.endRecord();
    EXPECT_EQ(w.contents(),
              "3\r\n"
              "\"MAX 3X1 + 2X2\",-32768,,2\r\n"
              "\r\n"
              "0.1,1E-07,1E+20,-0.5,0,100\r\n");
}

TEST(FieldWriter, RefusesNonFiniteDoubles) {
    pf::FieldWriter w;
    EXPECT_EQ(errorOf([&] { w.writeDouble(std::numeric_limits<double>::infinity()); }),
              pf::errOverflow);
    EXPECT_EQ(errorOf([&] { w.writeDouble(std::nan("")); }), pf::errOverflow);
}

TEST(FieldReaderWriter, RoundTrip) {
    const double doubles[] = {0.1,   1e-7,  1e20,  -0.5, 1.0 / 3, 123456789.125, 2.675,
                              1e-300, 5e-324, 1.7976931348623157e308, -1e15, 999999999999999.9};
    pf::FieldWriter w;
    w.writeString("");
    w.writeString("a, b  ");
    w.writeInt(32767);
    w.writeInt(-32768);
    w.writeInt(2147483647);
    w.writeInt(-2147483647 - 1);
    w.endRecord();
    for (double d : doubles) {
        w.writeDouble(d);
        w.endRecord();
    }
    w.writeValue(pf::Value());
    w.writeValue(pf::Value(7.25));
    w.writeValue(pf::Value());
    w.endRecord();

    pf::FieldReader r(w.contents());
    EXPECT_EQ(r.readString(), "");
    EXPECT_EQ(r.readString(), "a, b  ");
    EXPECT_EQ(r.readInt16(), 32767);
    EXPECT_EQ(r.readInt16(), -32768);
    EXPECT_EQ(r.readInt32(), 2147483647);
    EXPECT_EQ(r.readInt32(), -2147483647 - 1);
    for (double d : doubles) EXPECT_EQ(r.readDouble(), d);
    EXPECT_TRUE(r.readValue().IsEmpty());
    pf::Value v = r.readValue();
    EXPECT_FALSE(v.IsEmpty());
    EXPECT_EQ(v.num(), 7.25);
    EXPECT_TRUE(r.readValue().IsEmpty());
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(errorOf([&] { r.readString(); }), pf::errInputPastEnd);
}

// Whatever text is written reads back as written, except that a double quote, which
// would end the quoted field early, comes back as an apostrophe.
TEST(FieldReaderWriter, TextsWithQuotesReadBackAsWritten) {
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"X1\"+X2<4", "X1'+X2<4"},
        {"\"", "'"},
        {"NO\",YES", "NO',YES"},
        {"a,b\r\nc", "a,b\r\nc"},
        {"  lead and trail  ", "  lead and trail  "},
    };
    pf::FieldWriter w;
    for (const auto& t : texts) w.writeString(t.first);
    w.writeInt(7);
    w.endRecord();
    pf::FieldReader r(w.contents());
    for (const auto& t : texts) EXPECT_EQ(r.readString(), t.second);
    EXPECT_EQ(r.readInt16(), 7);
    EXPECT_TRUE(r.atEnd());
}

// A double quote inside a field, quoted or not, was not written by the writer: what
// the field stands for cannot be told, so it is refused whatever its target.
TEST(FieldReader, QuoteInsideAFieldIsRefused) {
    const std::vector<std::string> files = {"NO\",YES", "Y\"ES", "X1\"+X2<4\r\n", "  a\"  ,1", "1\""};
    for (const std::string& text : files) {
        SCOPED_TRACE(text);
        pf::FieldReader asText(text);
        EXPECT_EQ(errorOf([&] { asText.readString(); }), pf::errTypeMismatch);
        pf::FieldReader asValue(text);
        EXPECT_EQ(errorOf([&] { asValue.readValue(); }), pf::errTypeMismatch);
    }
    // Nor may text follow a closing quote: "MAX X1"+X2" would lose "+X2" unseen.
    for (const std::string text : {"\"Y\"ES\"", "\"MAX X1\"+X2<4\"\r\n", "\"A\" B,1"}) {
        SCOPED_TRACE(text);
        pf::FieldReader r(text);
        EXPECT_EQ(errorOf([&] { r.readString(); }), pf::errTypeMismatch);
    }
    // Blanks after the closing quote are fine.
    pf::FieldReader quoted("\"Y\"  ,\"\"\t\r\n");
    EXPECT_EQ(quoted.readString(), "Y");
    EXPECT_EQ(quoted.readString(), "");
    EXPECT_TRUE(quoted.atEnd());
}

TEST(FieldReader, LinesDoNotMatterOnlyFieldOrder) {
    const char* layouts[] = {
        "2,\"X\",.5\r\n-.5,1E+20\r\n",
        "2\r\n\"X\"\r\n.5\r\n-.5\r\n1E+20\r\n",
        "  2 ,  \"X\"  ,.5,-.5,1E+20",
        "2\n\"X\",.5\r-.5,1e20\n",
    };
    for (const char* text : layouts) {
        SCOPED_TRACE(text);
        pf::FieldReader r(text);
        EXPECT_EQ(r.readInt16(), 2);
        EXPECT_EQ(r.readString(), "X");
        EXPECT_EQ(r.readDouble(), 0.5);
        EXPECT_EQ(r.readDouble(), -0.5);
        EXPECT_EQ(r.readDouble(), 1e20);
        EXPECT_TRUE(r.atEnd());
    }
}

TEST(FieldReader, EmptyFieldsAndConversions) {
    // An empty line is one empty field; a quoted number converts from its text;
    // a trailing comma announces one more (empty) field.
    pf::FieldReader r("\r\n\"12\",,  abc  ,2.5,3.5,x,70000,1,");
    EXPECT_TRUE(r.readValue().IsEmpty());
    EXPECT_EQ(r.readValue().num(), 12);
    EXPECT_EQ(r.readDouble(), 0);  // empty field as a number
    EXPECT_EQ(r.readString(), "abc");
    EXPECT_EQ(r.readInt16(), 2);  // halves to even
    EXPECT_EQ(r.readInt32(), 4);
    EXPECT_EQ(errorOf([&] { r.readDouble(); }), pf::errTypeMismatch);
    EXPECT_EQ(errorOf([&] { r.readInt16(); }), pf::errOverflow);
    EXPECT_EQ(r.readInt16(), 1);
    EXPECT_FALSE(r.atEnd());
    EXPECT_TRUE(r.readValue().IsEmpty());
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(errorOf([&] { r.readValue(); }), pf::errInputPastEnd);

    pf::FieldReader big("2147483648,-2147483649,1e400");
    EXPECT_EQ(errorOf([&] { big.readInt32(); }), pf::errOverflow);
    EXPECT_EQ(errorOf([&] { big.readInt32(); }), pf::errOverflow);
    EXPECT_EQ(errorOf([&] { big.readDouble(); }), pf::errOverflow);

    pf::FieldReader none("");
    EXPECT_TRUE(none.atEnd());
    EXPECT_EQ(errorOf([&] { none.readInt16(); }), pf::errInputPastEnd);
}

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qv_seqfile_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_ / "old.trn", fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }
    std::size_t entries() const {
        std::size_t n = 0;
        for (auto it = fs::directory_iterator(dir_); it != fs::directory_iterator(); ++it) ++n;
        return n;
    }
    fs::path dir_;
};

TEST_F(AtomicWrite, ReplacesTheFileAndReadsItBack) {
    std::string path = (dir_ / "a.lpm").string();
    pf::writeFileAtomically(path, "first\r\n");
    pf::writeFileAtomically(path, std::string("1,\"x\"\r\n\0z", 10));
    EXPECT_EQ(pf::readFileBytes(path), std::string("1,\"x\"\r\n\0z", 10));
    EXPECT_EQ(entries(), 1u);  // no temporary file left beside it
}

TEST_F(AtomicWrite, FailureKeepsTheOldFile) {
    fs::path old = dir_ / "old.trn";
    pf::writeFileAtomically(old.string(), "old contents");
    fs::permissions(old, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(errorOf([&] { pf::writeFileAtomically(old.string(), "new"); }),
              pf::errPermissionDenied);
    fs::permissions(old, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(pf::readFileBytes(old.string()), "old contents");

    EXPECT_EQ(errorOf([&] { pf::writeFileAtomically((dir_ / "no" / "x.trn").string(), "x"); }),
              pf::errPathNotFound);
    EXPECT_EQ(errorOf([&] { pf::writeFileAtomically(dir_.string(), "x"); }), pf::errPathFileAccess);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicWrite, ReadFailures) {
    EXPECT_EQ(errorOf([&] { pf::readFileBytes((dir_ / "missing.inv").string()); }),
              pf::errFileNotFound);
    EXPECT_EQ(errorOf([&] { pf::readFileBytes((dir_ / "no" / "missing.inv").string()); }),
              pf::errPathNotFound);
    EXPECT_EQ(errorOf([&] { pf::readFileBytes(dir_.string()); }), pf::errPathFileAccess);
}

}  // namespace
