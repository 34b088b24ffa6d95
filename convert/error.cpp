#include "convert/error.h"

namespace convert {
namespace {

const char* describe(ErrorCode code) {
    switch (code) {
    case ErrorCode::Overflow: return "overflow";
    case ErrorCode::DivisionByZero: return "division by zero";
    case ErrorCode::TypeMismatch: return "type mismatch";
    }
    return "unknown error";
}

}  // namespace

Error::Error(ErrorCode code, std::optional<int> input)
    : std::runtime_error(describe(code)), code_(code), input_(input) {}

}  // namespace convert
