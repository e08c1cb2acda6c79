#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zqf {

// The entries of one main-window list, in list order, and its initial text.
struct ListItems {
    std::string_view name;
    std::string_view initial_text;
    std::vector<std::string> items;
};

const std::vector<ListItems>& main_list_items();

} // namespace zqf
