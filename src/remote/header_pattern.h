#pragma once

#include "remote/program_message.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zqf::remote {

// A command's header as a manual writes it: "[SOURce#:]FREQuency[:CW|:FIXed]".
// Capitals are the short form, the whole word the long form; either matches
// in any letter case. Brackets make a node optional, '|' gives alternatives,
// '#' lets a node carry a numeric suffix ("SOURce2").
class HeaderPattern {
  public:
    explicit HeaderPattern(std::string_view spelled);

    // The suffixes of the '#' nodes, in the order they stand (nothing for a
    // node skipped or written without one), when the header matches.
    using Suffixes = std::vector<std::optional<uint32_t>>;
    std::optional<Suffixes> match(const std::vector<Mnemonic>& nodes) const;

    std::string_view spelled() const { return spelled_; }

  private:
    struct Keyword {
        std::string_view long_form;
        std::string_view short_form;
        bool numbered;
    };
    struct Node {
        bool optional;
        std::vector<Keyword> alternatives;
        int suffix_slot; // -1 when no alternative is numbered
    };

    bool match_from(std::size_t node, const std::vector<Mnemonic>& input, std::size_t at,
                    Suffixes& suffixes) const;

    std::string_view spelled_;
    std::vector<Node> nodes_;
    std::size_t slots_ = 0;
};

// Whether a typed mnemonic is the short or the long form of a keyword spelled
// with its short form in capitals, in any letter case.
bool is_keyword(std::string_view typed, std::string_view spelled);

} // namespace zqf::remote
