#include "CommandRunner.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace fs = std::filesystem;

namespace kestrum {

namespace {

int WaitForExit(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

// The calling thread may block signals, and a GUI may ignore SIGPIPE; neither
// should leak into the interpreter and the programs it starts.
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

std::string ToolDirectory()
{
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return (exe.parent_path() / ".." / "libexec" / "kestrum").lexically_normal().string();
}

int RunCommand(const std::string& commandLine)
{
    const std::string tools = ToolDirectory();
    if (tools.empty())
        return -1;
    const std::string interpreter = tools + "/cmd";
    std::string name = "cmd";
    std::string flag = "/c";
    std::string line = commandLine;
    char* argv[] = {name.data(), flag.data(), line.data(), nullptr};

    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0)
        return -1;
    StartWithCleanSignals(attributes);
    // Whatever we printed so far comes before the interpreter's output.
    std::fflush(nullptr);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, interpreter.c_str(), nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    return error == 0 ? WaitForExit(pid) : -1;
}

} // namespace kestrum
