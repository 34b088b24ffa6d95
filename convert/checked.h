#pragma once

namespace convert {

enum class Operation { Add, Subtract, Multiply, Divide };

// One floating-point operation with the fault check around it: the invalid-operation,
// division-by-zero and overflow flags are cleared before and tested after, and a non-finite
// result counts as an overflow too. Throws Error (division by zero, else overflow).
[[nodiscard]] double checkedStep(Operation operation, double left, double right);

// A double whose every arithmetic operation is a checked step, so a formula written with it
// keeps its plain shape and order of evaluation while each step is checked.
class Checked {
public:
    constexpr Checked(double value) noexcept : value_(value) {}  // NOLINT: mixes with constants

    [[nodiscard]] constexpr double value() const noexcept { return value_; }

    friend Checked operator+(Checked a, Checked b) {
        return checkedStep(Operation::Add, a.value_, b.value_);
    }
    friend Checked operator-(Checked a, Checked b) {
        return checkedStep(Operation::Subtract, a.value_, b.value_);
    }
    friend Checked operator*(Checked a, Checked b) {
        return checkedStep(Operation::Multiply, a.value_, b.value_);
    }
    friend Checked operator/(Checked a, Checked b) {
        return checkedStep(Operation::Divide, a.value_, b.value_);
    }

private:
    double value_;
};

}  // namespace convert
