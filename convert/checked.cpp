#include "convert/checked.h"

#include "convert/error.h"

#include <cmath>

namespace convert {
namespace {

double apply(Operation operation, double left, double right) {
    switch (operation) {
    case Operation::Add: return left + right;
    case Operation::Subtract: return left - right;
    case Operation::Multiply: return left * right;
    case Operation::Divide: break;
    }
    return left / right;
}

}  // namespace

double checkedStep(Operation operation, double left, double right) {
    const double result = apply(operation, left, right);
    if (std::isfinite(result)) {
        return result;
    }
    const bool divisionByZero =
        operation == Operation::Divide && right == 0.0 && std::isfinite(left) && left != 0.0;
    throw Error(divisionByZero ? ErrorCode::DivisionByZero : ErrorCode::Overflow);
}

}  // namespace convert
