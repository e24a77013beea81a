#pragma once

#include <QString>
#include <utility>
#include <variant>

// Errors travel as values; the window that owns a failure decides what to show.
struct Error {
    QString message;
};

struct Ok {};

template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Error error) : v_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(v_); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<T>(v_); }
    T& value() & { return std::get<T>(v_); }
    T&& value() && { return std::get<T>(std::move(v_)); }
    const Error& error() const { return std::get<Error>(v_); }

private:
    std::variant<T, Error> v_;
};

using Status = Result<Ok>;
