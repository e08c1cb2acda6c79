#include "remote/header_pattern.h"

namespace zqf::remote {

namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool same_letters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view short_of(std::string_view spelled) {
    std::size_t end = 0;
    while (end < spelled.size() && !(spelled[end] >= 'a' && spelled[end] <= 'z')) {
        ++end;
    }
    return spelled.substr(0, end);
}

} // namespace

bool is_keyword(std::string_view typed, std::string_view spelled) {
    return same_letters(typed, spelled) || same_letters(typed, short_of(spelled));
}

HeaderPattern::HeaderPattern(std::string_view spelled) : spelled_(spelled) {
    std::size_t at = 0;
    while (at < spelled.size()) {
        if (spelled[at] == ':') {
            ++at;
            continue;
        }
        Node node{false, {}, -1};
        std::string_view body;
        if (spelled[at] == '[') {
            const std::size_t close = spelled.find(']', at);
            body = spelled.substr(at + 1, close - at - 1);
            node.optional = true;
            at = close + 1;
        } else {
            const std::size_t end = spelled.find_first_of(":[", at);
            body = spelled.substr(at, end == std::string_view::npos ? end : end - at);
            at = end == std::string_view::npos ? spelled.size() : end;
        }
        while (!body.empty()) {
            const std::size_t bar = body.find('|');
            std::string_view word = body.substr(0, bar);
            body = bar == std::string_view::npos ? std::string_view() : body.substr(bar + 1);
            while (!word.empty() && word.front() == ':') {
                word.remove_prefix(1);
            }
            while (!word.empty() && word.back() == ':') {
                word.remove_suffix(1);
            }
            const bool numbered = !word.empty() && word.back() == '#';
            if (numbered) {
                word.remove_suffix(1);
            }
            node.alternatives.push_back({word, short_of(word), numbered});
            if (numbered && node.suffix_slot < 0) {
                node.suffix_slot = static_cast<int>(slots_++);
            }
        }
        nodes_.push_back(std::move(node));
    }
}

std::optional<HeaderPattern::Suffixes>
HeaderPattern::match(const std::vector<Mnemonic>& nodes) const {
    Suffixes suffixes(slots_);
    if (!match_from(0, nodes, 0, suffixes)) {
        return std::nullopt;
    }
    return suffixes;
}

bool HeaderPattern::match_from(std::size_t node, const std::vector<Mnemonic>& input, std::size_t at,
                               Suffixes& suffixes) const {
    if (node == nodes_.size()) {
        return at == input.size();
    }
    const Node& here = nodes_[node];
    if (at < input.size()) {
        const Mnemonic& typed = input[at];
        for (const Keyword& keyword : here.alternatives) {
            if (!is_keyword(typed.name, keyword.long_form) || (typed.suffix && !keyword.numbered)) {
                continue;
            }
            if (here.suffix_slot >= 0) {
                suffixes[static_cast<std::size_t>(here.suffix_slot)] = typed.suffix;
            }
            if (match_from(node + 1, input, at + 1, suffixes)) {
                return true;
            }
        }
    }
    if (here.optional) {
        if (here.suffix_slot >= 0) {
            suffixes[static_cast<std::size_t>(here.suffix_slot)].reset();
        }
        return match_from(node + 1, input, at, suffixes);
    }
    return false;
}

} // namespace zqf::remote
