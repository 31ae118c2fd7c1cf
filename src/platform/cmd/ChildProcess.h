#pragma once
// Running one external program in the foreground.

#include <string>
#include <vector>

namespace kestrum::cmd {

struct ChildResult {
    int status = 0;     // exit status, or 128 + signal number if it was killed
    int spawnError = 0; // errno-style code when it could not be started
};

// The child shares this process's stdin, stdout and stderr; returns once it has ended.
ChildResult RunProgram(const std::string& path, const std::vector<std::string>& argv);

} // namespace kestrum::cmd
