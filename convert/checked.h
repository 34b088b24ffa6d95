#pragma once

namespace convert {

enum class Operation { Add, Subtract, Multiply, Divide };

// One floating-point operation with the fault check after it, read from its result: a finite,
// non-zero figure divided by zero is a division by zero, and any other result that is not finite
// (an infinity past the largest double, a NaN of 0/0 or inf - inf) an overflow. Throws Error.
[[nodiscard]] double checkedStep(Operation operation, double left, double right);

// A double whose every arithmetic operation is a checked step, so a formula written with it
// keeps its plain shape and order of evaluation, and its first faulting step throws.
class Checked {
public:
    // Implicit, so that a formula mixes it with plain constants.
    // cppcheck-suppress noExplicitConstructor
    constexpr Checked(double value) noexcept : value_(value) {}

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
