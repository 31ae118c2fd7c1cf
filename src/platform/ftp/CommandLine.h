#pragma once
// ftp [-s:FILE] [-v] [-i] [-n] [HOST]

#include <optional>
#include <string>

namespace kestrum::ftp {

struct Options {
    std::optional<std::string> scriptFile;
    std::optional<std::string> host;
    bool verbose = false;
    bool promptOff = false;   // -i
    bool noAutoLogin = false; // -n
};

struct ParsedCommandLine {
    Options options;
    std::string error; // non-empty: refuse to start
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

} // namespace kestrum::ftp
