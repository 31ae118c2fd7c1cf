#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace kestrum {

namespace {

// The calling thread may block signals, and a GUI may ignore SIGPIPE; neither
// should leak into the programs started from here.
void StartWithCleanSignals(posix_spawnattr_t& attributes)
{
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

} // namespace

ChildResult RunProgram(const std::string& path, const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    ChildResult result;
    posix_spawnattr_t attributes;
    if ((result.spawnError = posix_spawnattr_init(&attributes)) != 0)
        return result;
    StartWithCleanSignals(attributes);

    // Whatever we printed so far comes before the child's output.
    std::fflush(nullptr);
    pid_t pid = 0;
    result.spawnError = posix_spawn(&pid, path.c_str(), nullptr, &attributes, args.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (result.spawnError != 0)
        return result;

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            result.status = -1;
            return result;
        }
    }
    result.status = WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    return result;
}

} // namespace kestrum
