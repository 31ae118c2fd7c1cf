#pragma once
// Command words are matched without regard to case.

#include <algorithm>
#include <string_view>

namespace kestrum::cmd {

inline bool EqualsIgnoreCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

inline bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && EqualsIgnoreCase(text.substr(text.size() - suffix.size()), suffix);
}

} // namespace kestrum::cmd
