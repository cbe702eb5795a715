#pragma once

#include "app/toolkit.h"

#include <stdexcept>

namespace quorvel {

// A run-time error ends the running handler where it arises; whatever the handler had already
// changed stays changed. Form1's dispatch point catches it and tells the user.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(RuntimeErrorKind kind, const char* what)
        : std::runtime_error(what)
        , kind_(kind) {}
    [[nodiscard]] RuntimeErrorKind kind() const noexcept { return kind_; }

private:
    RuntimeErrorKind kind_;
};

class OverflowError : public RuntimeError {
public:
    OverflowError()
        : RuntimeError(RuntimeErrorKind::Overflow, "overflow") {}
};

class DivisionByZeroError : public RuntimeError {
public:
    DivisionByZeroError()
        : RuntimeError(RuntimeErrorKind::DivisionByZero, "division by zero") {}
};

} // namespace quorvel
