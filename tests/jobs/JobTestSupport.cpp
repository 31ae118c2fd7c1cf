#include "JobTestSupport.h"

#include "TestFiles.h"

#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace kestrum::test {

TransferForm ValidForm()
{
    return TransferForm{.m_strFile = "report.pdf",
                        .m_strHost = "127.0.0.1:1",
                        .m_strPassword = "s3cret",
                        .m_strUsername = "alice",
                        .m_strDirectory = "root"};
}

TransferForm With(TransferForm form, CString TransferForm::*field, const std::string& value)
{
    form.*field = CString(value);
    return form;
}

std::map<std::string, std::string> Snapshot(const fs::path& dir)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(dir))
        entries[entry.path().filename().string()] = entry.is_directory() ? "<dir>" : ReadFile(entry.path());
    return entries;
}

std::string CaptureStdout(const std::function<void()>& run)
{
    TempDir dir;
    const std::string file = dir / "stdout";
    std::cout.flush();
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (saved < 0 || fd < 0)
        throw std::runtime_error("cannot redirect stdout");
    ::dup2(fd, STDOUT_FILENO);
    ::close(fd);
    try {
        run();
    } catch (...) {
        std::fflush(stdout);
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
        throw;
    }
    std::cout.flush();
    std::fflush(stdout);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    return ReadFile(file);
}

} // namespace kestrum::test
