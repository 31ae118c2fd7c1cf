#pragma once
// Splitting one command line into a command name and its arguments. Blanks
// separate words and double quotes group them; nothing else is special, so
// & | < > ^ % never start a second command, redirect or expand.

#include <string>
#include <string_view>
#include <vector>

namespace kestrum::cmd {

struct Command {
    std::string name;
    std::string rawArguments; // the text after the name as written: echo prints it untouched
    std::vector<std::string> arguments;
};

bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);

// Words split at blanks outside double quotes; the quotes themselves are dropped.
std::vector<std::string> SplitWords(std::string_view text);

Command ParseCommand(std::string_view line);

} // namespace kestrum::cmd
