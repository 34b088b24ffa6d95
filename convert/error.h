#pragma once

#include <optional>
#include <stdexcept>

namespace convert {

// Numbered like the classic Basic run-time errors the users know from their manuals.
enum class ErrorCode {
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

// A conversion or arithmetic failure: it abandons the calculation it occurs in.
class Error : public std::runtime_error {
public:
    explicit Error(ErrorCode code, std::optional<int> input = std::nullopt);

    [[nodiscard]] ErrorCode code() const noexcept { return code_; }
    // Position of the failing text among the calculator's inputs, when the failure is one text's.
    [[nodiscard]] std::optional<int> input() const noexcept { return input_; }

private:
    ErrorCode code_;
    std::optional<int> input_;
};

}  // namespace convert
