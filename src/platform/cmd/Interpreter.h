#pragma once
// Carries out command lines and batch files, keeping the echo state between them.

#include <string>
#include <string_view>

namespace kestrum::cmd {

// Status of a command that names no built-in, batch file or program.
constexpr int kNotRecognized = 9009;
// Status of a program that was found but could not be started.
constexpr int kCannotRun = 126;

class Interpreter {
public:
    // The line given after /c: run as one command, itself never echoed.
    int RunLine(std::string_view line);

private:
    int RunBatchFile(const std::string& path);
    int Execute(std::string_view line);

    bool m_echoOn = true;
};

} // namespace kestrum::cmd
