#pragma once
// Splitting a command line into its verb and arguments.

#include <string>
#include <vector>

namespace kestrum::ftp {

struct Word {
    std::string text;
    bool quoted = false; // was inside double quotes: taken literally
};

// Blank-separated words; "double quotes" keep blanks inside one word.
std::vector<Word> SplitWords(const std::string& line);

// The text after the first word, without surrounding blanks.
std::string RestOfLine(const std::string& line);

// Removes one pair of surrounding double quotes, if present.
std::string Unquoted(const std::string& text);

} // namespace kestrum::ftp
