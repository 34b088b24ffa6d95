#pragma once

#include <cmath>

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

namespace detail {

void clearFaults() noexcept;
[[nodiscard]] bool faultsRaised() noexcept;
void raiseOverflow() noexcept;

// A checked step's operation, pinned the same way, with its faults left in the flags for one
// test after the whole formula; a non-finite result raises the overflow flag.
inline double pinnedStep(Operation operation, double left, double right) noexcept {
    const volatile double a = left;
    const volatile double b = right;
    volatile double result = 0.0;
    switch (operation) {
    case Operation::Add: result = a + b; break;
    case Operation::Subtract: result = a - b; break;
    case Operation::Multiply: result = a * b; break;
    case Operation::Divide: result = a / b; break;
    }
    const double value = result;
    if (!std::isfinite(value)) {
        raiseOverflow();
    }
    return value;
}

}  // namespace detail

// A double for checkedFormula's first evaluation: each operation is a pinned step.
class Pinned {
public:
    // Implicit, so that a formula mixes it with plain constants.
    // cppcheck-suppress noExplicitConstructor
    constexpr Pinned(double value) noexcept : value_(value) {}

    [[nodiscard]] constexpr double value() const noexcept { return value_; }

    friend Pinned operator+(Pinned a, Pinned b) noexcept {
        return detail::pinnedStep(Operation::Add, a.value_, b.value_);
    }
    friend Pinned operator-(Pinned a, Pinned b) noexcept {
        return detail::pinnedStep(Operation::Subtract, a.value_, b.value_);
    }
    friend Pinned operator*(Pinned a, Pinned b) noexcept {
        return detail::pinnedStep(Operation::Multiply, a.value_, b.value_);
    }
    friend Pinned operator/(Pinned a, Pinned b) noexcept {
        return detail::pinnedStep(Operation::Divide, a.value_, b.value_);
    }

private:
    double value_;
};

// Evaluates a formula of steps written once as a template over the number type, Pinned
// between one flag clear and one flag test (the flag calls cost far more than a step), and
// again as Checked only where that test finds a fault, so the first faulting step throws as it
// would alone. The formula must have no effect other than its steps and its result.
template <typename Formula>
[[nodiscard]] double checkedFormula(const Formula& formula) {
    detail::clearFaults();
    const double pinned = formula.template operator()<Pinned>().value();
    if (!detail::faultsRaised()) {
        return pinned;
    }
    return formula.template operator()<Checked>().value();
}

}  // namespace convert
