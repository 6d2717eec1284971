#pragma once
// A cell of the shared state that holds a number or is empty. An empty value
// counts as 0 in arithmetic and comparisons.
namespace pf {

class Value {
public:
    Value() = default;
    Value(double v) : empty_(false), v_(v) {}  // NOLINT: a number assigns naturally
    bool IsEmpty() const { return empty_; }
    void Clear() { empty_ = true; v_ = 0; }
    double num() const { return empty_ ? 0.0 : v_; }
    operator double() const { return num(); }  // NOLINT
    Value& operator=(double v) { empty_ = false; v_ = v; return *this; }

private:
    bool empty_ = true;
    double v_ = 0;
};

}  // namespace pf
