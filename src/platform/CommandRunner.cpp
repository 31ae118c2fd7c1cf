#include "CommandRunner.h"

#include "ChildProcess.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace kestrum {

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
    const ChildResult result = RunProgram(tools + "/cmd", {"cmd", "/c", commandLine});
    return result.spawnError == 0 ? result.status : -1;
}

} // namespace kestrum
