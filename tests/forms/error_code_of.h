#pragma once
#include <gtest/gtest.h>

#include <optional>

#include "forms/errors.h"

// The code of the run-time error `statement` raises, or nothing when it raises none.
template <class Statement>
std::optional<forms::ErrorCode> errorCodeOf(Statement&& statement) {
    try {
        statement();
    } catch (const forms::RuntimeError& error) {
        return error.code();
    }
    return std::nullopt;
}
