#include "convert/checked.h"

#include "convert/error.h"

#include <cfenv>
#include <cmath>

namespace convert {
namespace {

constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

}  // namespace

double checkedStep(Operation operation, double left, double right) {
    // The operands and the result pass through volatile objects so that the operation is
    // pinned between clearing and testing the flags: neither folded, hoisted nor sunk.
    const volatile double a = left;
    const volatile double b = right;
    volatile double result = 0.0;

    std::feclearexcept(kFaults);
    switch (operation) {
    case Operation::Add: result = a + b; break;
    case Operation::Subtract: result = a - b; break;
    case Operation::Multiply: result = a * b; break;
    case Operation::Divide: result = a / b; break;
    }
    const int raised = std::fetestexcept(kFaults);

    const double value = result;
    if ((raised & FE_DIVBYZERO) != 0) {
        throw Error(ErrorCode::DivisionByZero);
    }
    if ((raised & (FE_INVALID | FE_OVERFLOW)) != 0 || !std::isfinite(value)) {
        throw Error(ErrorCode::Overflow);
    }
    return value;
}

namespace detail {

void clearFaults() noexcept { std::feclearexcept(kFaults); }

bool faultsRaised() noexcept { return std::fetestexcept(kFaults) != 0; }

void raiseOverflow() noexcept { std::feraiseexcept(FE_OVERFLOW); }

}  // namespace detail
}  // namespace convert
