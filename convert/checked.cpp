#include "convert/checked.h"

#include "convert/error.h"

#include <cmath>

namespace convert {

double checkedStep(Operation operation, double left, double right) {
    double result = 0.0;
    switch (operation) {
    case Operation::Add: result = left + right; break;
    case Operation::Subtract: result = left - right; break;
    case Operation::Multiply: result = left * right; break;
    case Operation::Divide: result = left / right; break;
    }
    if (std::isfinite(result)) {
        return result;
    }
    const bool divisionByZero = operation == Operation::Divide && right == 0.0 &&
                                std::isfinite(left) && left != 0.0;
    throw Error(divisionByZero ? ErrorCode::DivisionByZero : ErrorCode::Overflow);
}

}  // namespace convert
