#pragma once

#include "convert/error.h"

#include <optional>
#include <utility>

// The code of the error a call throws, or nullopt when it returns normally.
template <typename Call>
std::optional<convert::ErrorCode> errorOf(Call&& call) {
    try {
        (void)std::forward<Call>(call)();
    } catch (const convert::Error& error) {
        return error.code();
    }
    return std::nullopt;
}
