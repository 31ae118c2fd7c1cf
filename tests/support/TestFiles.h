#pragma once
// Small helpers for tests that work with real files, directories and processes.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kestrum::test {

// A fresh directory under the system's temp directory, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Changes the working directory for the life of the object.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& dir);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::filesystem::path m_previous;
};

std::string ReadFile(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, const std::string& bytes);

struct ProcessResult {
    int status = -1;      // exit status, or -1 if killed or not started
    std::string out;
    std::string err;
    bool timedOut = false;
};

// Runs `argv` in `workingDir` with `input` on its standard input and waits at
// most `timeoutSeconds`, then kills it.
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::filesystem::path& workingDir,
                         const std::string& input = {}, int timeoutSeconds = 60);

// What this process writes to file descriptor 1 (and what the processes it
// starts inherit) while `run` runs.
std::string CaptureStdout(const std::function<void()>& run);

// Where the build put Kestrum's tools (build/libexec/kestrum).
std::string ToolPath(const std::string& name);

} // namespace kestrum::test
