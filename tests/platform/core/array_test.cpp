#include <gtest/gtest.h>

#include "platform/core/Array.h"
#include "platform/core/Value.h"

TEST(Arrays, BoundsAreCheckedAndReDimClears) {
    pf::Array<int> a;
    EXPECT_THROW(a(0), pf::RuntimeError);
    a.ReDim(3);
    a(3) = 7;
    EXPECT_EQ(a.UBound(), 3);
    EXPECT_THROW(a(4), pf::RuntimeError);
    EXPECT_THROW(a(-1), pf::RuntimeError);
    a.ReDim(3);
    EXPECT_EQ(a(3), 0);
    a(1) = 5;
    a.ReDimPreserve(5);
    EXPECT_EQ(a(1), 5);

    pf::Array2<double> m;
    m.ReDim(2, 3);
    m(2, 3) = 1.5;
    EXPECT_THROW(m(3, 0), pf::RuntimeError);
    EXPECT_THROW(m(0, 4), pf::RuntimeError);
    try {
        m(0, 4);
    } catch (const pf::RuntimeError& e) {
        EXPECT_EQ(e.number(), 9);
        EXPECT_STREQ(e.what(), "Subscript out of range");
    }
}

TEST(Values, EmptyCountsAsZero) {
    pf::Value v;
    EXPECT_TRUE(v.IsEmpty());
    EXPECT_EQ(v + 1.0, 1.0);
    v = 2.5;
    EXPECT_FALSE(v.IsEmpty());
    EXPECT_EQ(v * 2, 5.0);
}
