#include "cli/state_text.h"

#include "cli/script_words.h"
#include "cli/whole_number.h"
#include "core/state/state_fields.h"
#include "core/text/number_entry.h"
#include "core/text/number_text.h"

#include <array>
#include <concepts>
#include <limits>
#include <type_traits>

namespace zqf::cli {

namespace {

template <typename T> struct ArrayOf : std::false_type {};
template <typename T, std::size_t N> struct ArrayOf<std::array<T, N>> : std::true_type {};

std::string text_of(const std::string& value) {
    return value;
}
std::string text_of(double value) {
    return general_form(value);
}
template <std::integral T> std::string text_of(T value) {
    return std::to_string(static_cast<int64_t>(value));
}

std::optional<Failure> store(std::string& slot, std::string_view value, const std::string&) {
    slot = std::string(value);
    return std::nullopt;
}

std::optional<Failure> store(double& slot, std::string_view value, const std::string& label) {
    const std::optional<double> number = parse_number(value);
    if (!number) {
        return Failure{label + " takes a number, not " + quote(value)};
    }
    slot = *number;
    return std::nullopt;
}

template <std::integral T>
std::optional<Failure> store(T& slot, std::string_view value, const std::string& label) {
    const std::optional<int64_t> number = parse_whole(value);
    constexpr int64_t low = std::numeric_limits<T>::min();
    constexpr int64_t high = std::numeric_limits<T>::max();
    if (!number || *number < low || *number > high) {
        return Failure{label + " takes a whole number from " + std::to_string(low) + " to " +
                       std::to_string(high) + ", not " + quote(value)};
    }
    slot = static_cast<T>(*number);
    return std::nullopt;
}

// The member and entry a name stands for.
struct Place {
    const StateField* field = nullptr;
    std::optional<int64_t> entry;
    std::string label; // "state.NAME" or "state.NAME[K]"
};

Outcome<Place> place_of(std::string_view name) {
    Place place{nullptr, std::nullopt, "state." + std::string(name)};
    std::string_view member = name;
    if (const std::size_t open = name.find('['); open != std::string_view::npos) {
        member = name.substr(0, open);
        const std::string_view inside = name.substr(open + 1);
        if (inside.empty() || inside.back() != ']' ||
            !(place.entry = parse_whole(inside.substr(0, inside.size() - 1)))) {
            return Failure{place.label + ": an entry is named by a whole number in brackets"};
        }
    }
    place.field = find_state_field(member);
    if (place.field == nullptr) {
        return Failure{"the shared state has no member " + quote(member)};
    }
    return place;
}

// Calls `use(slot, label)` with the member or array entry `name` stands for.
template <typename State, typename Use>
std::optional<Failure> reach(State& state, std::string_view name, Use&& use) {
    const Outcome<Place> found = place_of(name);
    if (const Failure* failure = failure_of(found)) {
        return *failure;
    }
    const Place& place = std::get<Place>(found);
    return std::visit(
        [&](auto member) -> std::optional<Failure> {
            auto& value = state.*member;
            using Value = std::remove_cvref_t<decltype(value)>;
            const std::string whole = "state." + std::string(place.field->name);
            if constexpr (ArrayOf<Value>::value) {
                const auto length = static_cast<int64_t>(value.size());
                if (!place.entry) {
                    return Failure{whole + " holds " + std::to_string(length) +
                                   " entries: name one as " + whole + "[K]"};
                }
                if (*place.entry < 0 || *place.entry >= length) {
                    return Failure{place.label + " is out of range: the entries are 0 to " +
                                   std::to_string(length - 1)};
                }
                return use(value[static_cast<std::size_t>(*place.entry)], place.label);
            } else {
                if (place.entry) {
                    return Failure{whole + " holds no entries"};
                }
                return use(value, place.label);
            }
        },
        place.field->member);
}

} // namespace

Outcome<std::string> read_state(const SharedState& state, std::string_view name) {
    std::string text;
    const std::optional<Failure> failure =
        reach(state, name, [&text](const auto& slot, const std::string&) {
            text = text_of(slot);
            return std::optional<Failure>();
        });
    if (failure) {
        return *failure;
    }
    return text;
}

std::optional<Failure> write_state(SharedState& state, std::string_view name,
                                   std::string_view value) {
    return reach(state, name, [value](auto& slot, const std::string& label) {
        return store(slot, value, label);
    });
}

} // namespace zqf::cli
