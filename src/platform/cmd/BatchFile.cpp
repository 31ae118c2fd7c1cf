#include "BatchFile.h"

#include "CommandLine.h"

#include <fstream>
#include <iterator>

namespace kestrum::cmd {

std::optional<std::vector<std::string>> ReadBatchLines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!TrimBlanks(line).empty())
            lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace kestrum::cmd
