#include "ProgramLookup.h"

#include "TextCase.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace kestrum::cmd {

namespace {

bool IsRegularFile(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsExecutableFile(const std::string& path)
{
    return IsRegularFile(path) && access(path.c_str(), X_OK) == 0;
}

fs::path OwnDirectory()
{
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path{} : exe.parent_path();
}

} // namespace

std::optional<std::string> FindBatchFile(const std::string& name)
{
    if (name.empty())
        return std::nullopt;
    if (EndsWithIgnoreCase(name, ".bat") || EndsWithIgnoreCase(name, ".cmd"))
        return IsRegularFile(name) ? std::optional(name) : std::nullopt;
    for (const char* extension : {".bat", ".cmd"}) {
        if (IsRegularFile(name + extension))
            return name + extension;
    }
    return std::nullopt;
}

std::optional<std::string> FindProgram(const std::string& name)
{
    if (name.empty())
        return std::nullopt;
    if (name.find('/') != std::string::npos)
        return IsExecutableFile(name) ? std::optional(name) : std::nullopt;

    if (const fs::path own = OwnDirectory(); !own.empty()) {
        if (const std::string candidate = (own / name).string(); IsExecutableFile(candidate))
            return candidate;
    }
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        // Relative entries would mean the working directory, where only batch files are looked for.
        if (dir.empty() || dir.front() != '/')
            continue;
        if (const std::string candidate = (fs::path(dir) / name).string(); IsExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace kestrum::cmd
