#pragma once

#include <cstddef>
#include <exception>
#include <optional>

namespace convert {

// Numbered like the classic Basic run-time errors the users know from their manuals.
enum class ErrorCode {
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

// A conversion or arithmetic failure: it abandons the calculation it occurs in. The window names
// it by its code, so it carries no text of its own.
class Error : public std::exception {
public:
    explicit Error(ErrorCode code, std::optional<std::size_t> input = std::nullopt) noexcept
        : code_(code), input_(input) {}

    [[nodiscard]] ErrorCode code() const noexcept { return code_; }
    // Position of the failing text among the calculator's texts, when the failure is one text's.
    [[nodiscard]] std::optional<std::size_t> input() const noexcept { return input_; }

private:
    ErrorCode code_;
    std::optional<std::size_t> input_;
};

}  // namespace convert
