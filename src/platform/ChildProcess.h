#pragma once
// Running one program in the foreground: the command runner starts the
// interpreter this way, and the interpreter the programs a batch file names.

#include <string>
#include <vector>

namespace kestrum {

struct ChildResult {
    int status = 0;     // exit status, 128 + signal number if it was killed, -1 if it could not be waited for
    int spawnError = 0; // errno-style code when it could not be started
};

// The child shares this process's stdin, stdout and stderr, starts with no
// blocked signals and SIGPIPE at its default, and has ended when this returns.
ChildResult RunProgram(const std::string& path, const std::vector<std::string>& argv);

} // namespace kestrum
