#include "Words.h"

namespace kestrum::ftp {
namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
} // namespace

std::vector<Word> SplitWords(const std::string& line)
{
    std::vector<Word> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i >= line.size())
            break;
        Word word;
        bool inWord = true;
        while (i < line.size() && inWord) {
            if (line[i] == '"') {
                word.quoted = true;
                const size_t close = line.find('"', i + 1);
                const size_t end = close == std::string::npos ? line.size() : close;
                word.text += line.substr(i + 1, end - i - 1);
                i = close == std::string::npos ? line.size() : close + 1;
            } else if (IsBlank(line[i])) {
                inWord = false;
            } else {
                word.text += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::string RestOfLine(const std::string& line)
{
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    while (i < line.size() && !IsBlank(line[i]))
        ++i;
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    size_t end = line.size();
    while (end > i && IsBlank(line[end - 1]))
        --end;
    return line.substr(i, end - i);
}

std::string Unquoted(const std::string& text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

} // namespace kestrum::ftp
