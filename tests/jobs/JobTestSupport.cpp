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

} // namespace kestrum::test
