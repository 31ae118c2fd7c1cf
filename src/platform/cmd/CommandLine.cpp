#include "CommandLine.h"

namespace kestrum::cmd {

namespace {

std::size_t SkipBlanks(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    return pos;
}

// Reads the word starting at `pos` into `word`; returns where it ends.
std::size_t ReadWord(std::string_view text, std::size_t pos, std::string& word)
{
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && IsBlank(c))
            break;
        else
            word += c;
    }
    return pos;
}

} // namespace

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> SplitWords(std::string_view text)
{
    std::vector<std::string> words;
    for (std::size_t pos = SkipBlanks(text, 0); pos < text.size(); pos = SkipBlanks(text, pos)) {
        std::string word;
        pos = ReadWord(text, pos, word);
        words.push_back(std::move(word));
    }
    return words;
}

Command ParseCommand(std::string_view line)
{
    Command command;
    const std::size_t end = ReadWord(line, SkipBlanks(line, 0), command.name);
    command.rawArguments = line.substr(end);
    command.arguments = SplitWords(command.rawArguments);
    return command;
}

} // namespace kestrum::cmd
