#pragma once
// Lines of the command script, or of standard input when there is none.

#include <cstdio>
#include <optional>
#include <string>

namespace kestrum::ftp {

class InputReader {
public:
    // Takes ownership of `file` unless it is stdin.
    explicit InputReader(std::FILE* file);
    ~InputReader();
    InputReader(const InputReader&) = delete;
    InputReader& operator=(const InputReader&) = delete;

    // A person at a terminal, as opposed to a script or a pipe.
    bool interactive() const { return m_interactive; }

    // One line without its CR LF / LF; nullopt at the end of input.
    std::optional<std::string> readLine();
    // Same, with terminal echo switched off.
    std::optional<std::string> readSecret();

private:
    std::FILE* m_file;
    bool m_interactive;
};

} // namespace kestrum::ftp
