#pragma once

#include <string>
#include <variant>

namespace zqf::cli {

// Why a script line cannot be carried out, in words for the engineer.
struct Failure {
    std::string reason;
};

// A value, or the reason there is none.
template <typename T> using Outcome = std::variant<T, Failure>;

template <typename T> const Failure* failure_of(const Outcome<T>& outcome) {
    return std::get_if<Failure>(&outcome);
}
// The failure would die with the temporary it points into.
template <typename T> const Failure* failure_of(const Outcome<T>&& outcome) = delete;

} // namespace zqf::cli
