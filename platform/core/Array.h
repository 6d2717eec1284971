#pragma once
// Dynamic arrays with lower bound 0, dimensioned (and cleared) by ReDim. An index
// outside the bounds raises the subscript error instead of touching memory.
#include <cstddef>
#include <vector>

#include "platform/core/Errors.h"

namespace pf {

template <typename T>
class Array {
public:
    Array() = default;
    // ReDim a(n): elements 0..n, all reset.
    void ReDim(long upper) {
        if (upper < 0) { data_.clear(); dimensioned_ = upper >= -1; return; }
        data_.assign(static_cast<std::size_t>(upper) + 1, T{});
        dimensioned_ = true;
    }
    // ReDim Preserve a(n): keeps the elements that still fit.
    void ReDimPreserve(long upper) {
        if (upper < 0) raise(errSubscript);
        data_.resize(static_cast<std::size_t>(upper) + 1);
        dimensioned_ = true;
    }
    void Erase() { data_.clear(); dimensioned_ = false; }
    bool dimensioned() const { return dimensioned_; }
    long UBound() const {
        if (!dimensioned_) raise(errSubscript);
        return static_cast<long>(data_.size()) - 1;
    }
    std::size_t size() const { return data_.size(); }
    T& operator()(long i) { return data_[check(i)]; }
    const T& operator()(long i) const { return data_[check(i)]; }
    T& operator[](long i) { return data_[check(i)]; }
    const T& operator[](long i) const { return data_[check(i)]; }

private:
    std::size_t check(long i) const {
        if (i < 0 || static_cast<std::size_t>(i) >= data_.size()) raise(errSubscript);
        return static_cast<std::size_t>(i);
    }
    std::vector<T> data_;
    bool dimensioned_ = false;
};

template <typename T>
class Array2 {
public:
    Array2() = default;
    void ReDim(long upper1, long upper2) {
        if (upper1 < 0 || upper2 < 0) raise(errSubscript);
        n1_ = static_cast<std::size_t>(upper1) + 1;
        n2_ = static_cast<std::size_t>(upper2) + 1;
        data_.assign(n1_ * n2_, T{});
    }
    void Erase() { data_.clear(); n1_ = n2_ = 0; }
    bool dimensioned() const { return n1_ > 0; }
    long UBound(int dim) const {
        if (!dimensioned()) raise(errSubscript);
        return static_cast<long>(dim == 1 ? n1_ : n2_) - 1;
    }
    T& operator()(long i, long j) { return data_[check(i, j)]; }
    const T& operator()(long i, long j) const { return data_[check(i, j)]; }

private:
    std::size_t check(long i, long j) const {
        if (i < 0 || j < 0 || static_cast<std::size_t>(i) >= n1_ ||
            static_cast<std::size_t>(j) >= n2_)
            raise(errSubscript);
        return static_cast<std::size_t>(i) * n2_ + static_cast<std::size_t>(j);
    }
    std::vector<T> data_;
    std::size_t n1_ = 0, n2_ = 0;
};

}  // namespace pf
