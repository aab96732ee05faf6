#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace vantiq {

// Why an operation failed, in words for the user. Where it is shown (a
// message box and its caption, a line on the console) is the front end's
// choice.
struct Error {
    explicit Error(std::string text) : message(std::move(text)) {}

    std::string message;

    friend bool operator==(const Error&, const Error&) = default;
};

// What a fallible operation returns: its value, or the error that kept it
// from one. There is deliberately no conversion to bool: `if (result)` would
// read as "failed" to some callers and as "succeeded" to others, so callers
// ask ok().
template <typename T>
class Result {
public:
    Result(T value) : state_(std::move(value)) {}      // NOLINT: a value is a success
    Result(Error error) : state_(std::move(error)) {}  // NOLINT: an error is a failure

    bool ok() const { return state_.index() == 0; }

    // The value; only on success.
    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    // The error; only on failure.
    const Error& error() const { return std::get<1>(state_); }

    // The value, or `fallback` on failure.
    T value_or(T fallback) const& { return ok() ? value() : std::move(fallback); }

private:
    std::variant<T, Error> state_;
};

// The result of an operation that has no value: success, or an error.
class Status {
public:
    Status() = default;                                // success
    Status(Error error) : error_(std::move(error)) {}  // NOLINT: an error is a failure

    bool ok() const { return !error_.has_value(); }
    // The error; only on failure.
    const Error& error() const { return *error_; }

private:
    std::optional<Error> error_;
};

}  // namespace vantiq
