#pragma once
// Errors are values: a reader returns either what it read or the text to show the user.

#include <string>
#include <utility>
#include <variant>

namespace vex {

struct Error {
    std::string title;    // the message box title, e.g. "読み込みエラー"
    std::string message;  // the text shown to the user
    bool endsGame = false;  // the game ends once the message is closed
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Error error) : v_(std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const Error& error() const { return std::get<1>(v_); }

private:
    std::variant<T, Error> v_;
};

struct Ok {};
using Status = Result<Ok>;
inline Status okStatus() { return Ok{}; }

}  // namespace vex
