#include "ChildProcess.h"

#include <cerrno>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace kestrum::cmd {

ChildResult RunProgram(const std::string& path, const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    // Our own echoed lines must reach the terminal before the child's output.
    std::fflush(nullptr);

    ChildResult result;
    pid_t pid = 0;
    result.spawnError = posix_spawn(&pid, path.c_str(), nullptr, nullptr, args.data(), environ);
    if (result.spawnError != 0)
        return result;

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            result.status = 1;
            return result;
        }
    }
    result.status = WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    return result;
}

} // namespace kestrum::cmd
