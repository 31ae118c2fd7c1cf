#pragma once
// Running the built interpreter as a real process, in a real directory.

#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace kestrum::test {

// `cmd /c line` in `dir`; with `pathFirst`, that directory goes before PATH.
inline ProcessResult RunCmd(const std::filesystem::path& dir, const std::string& line,
                            const std::string& pathFirst = {})
{
    std::vector<std::string> argv;
    if (!pathFirst.empty()) {
        const char* path = std::getenv("PATH");
        argv = {"/usr/bin/env", "PATH=" + pathFirst + ":" + (path ? path : "/usr/bin:/bin")};
    }
    argv.insert(argv.end(), {ToolPath("cmd"), "/c", line});
    return RunProcess(argv, dir);
}

inline std::set<std::string> FileNames(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

// A shell script standing in for a program.
inline void WriteScript(const std::filesystem::path& file, const std::string& body)
{
    WriteFile(file, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
}

} // namespace kestrum::test
