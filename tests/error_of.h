#pragma once

#include "convert/error.h"

#include <optional>

// The code of the error a call throws, or nullopt when it returns normally.
template <typename Call>
std::optional<convert::ErrorCode> errorOf(Call&& call) {
    try {
        (void)call();
    } catch (const convert::Error& error) {
        return error.code();
    }
    return std::nullopt;
}
