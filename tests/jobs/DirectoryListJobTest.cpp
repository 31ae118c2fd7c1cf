#include "DirectoryListJob.h"

#include "JobTestSupport.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace kestrum::test;

namespace {

struct ListCase {
    std::string name;
    TransferForm form;
    std::string dirfind;
};

void PrintTo(const ListCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::string kDircmds = "alice\r\ns3cret\r\nls\r\n";

std::vector<ListCase> ListCases()
{
    TransferForm odd = ValidForm();
    odd.m_strDirectory = "x\r\ncd /";
    odd.m_strFile = "my \"odd\"\nfile";
    return {
        {"DirectoryRoot", ValidForm(), "@echo off\r\nftp -s:dircmds.txt 127.0.0.1:1"},
        {"DirectoryAndFileEmpty", With(With(ValidForm(), &TransferForm::m_strDirectory, ""), &TransferForm::m_strFile, ""),
         "@echo off\r\nftp -s:dircmds.txt 127.0.0.1:1"},
        {"DirectoryAndFileUnusedEvenWithLineBreaks", odd, "@echo off\r\nftp -s:dircmds.txt 127.0.0.1:1"},
        {"EmptyHost", With(ValidForm(), &TransferForm::m_strHost, ""), "@echo off\r\nftp -s:dircmds.txt "},
    };
}

class DirectoryListJobFiles : public testing::TestWithParam<ListCase> {};

// The job deletes its files; a second link to each keeps their last bytes
// (and mode) readable, as the job empties an existing file in place.
TEST_P(DirectoryListJobFiles, WritesScriptAndLauncherThenDeletesOnlyThem)
{
    const ListCase& c = GetParam();
    TempDir dir;
    ScopedWorkingDirectory cwd(dir.path());
    WriteFile(dir / "cmds.txt", "earlier script");
    WriteFile(dir / "runner.bat", "earlier launcher");
    WriteFile(dir / "dircmds.txt", "stale");
    WriteFile(dir / "dirfind.bat", "stale");
    fs::permissions(dir / "dircmds.txt", fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    fs::create_hard_link(dir / "dircmds.txt", dir / "seen-dircmds.txt");
    fs::create_hard_link(dir / "dirfind.bat", dir / "seen-dirfind.bat");

    const JobOutcome outcome = RunDirectoryListJob(c.form);

    EXPECT_TRUE(outcome.ran) << outcome.problem;
    EXPECT_EQ(ReadFile(dir / "seen-dircmds.txt"), kDircmds);
    EXPECT_EQ(ReadFile(dir / "seen-dirfind.bat"), c.dirfind);
    const auto ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    EXPECT_EQ(fs::status(dir / "seen-dircmds.txt").permissions(), ownerOnly);
    EXPECT_EQ(fs::status(dir / "seen-dirfind.bat").permissions(), ownerOnly);
    EXPECT_FALSE(fs::exists(dir / "dircmds.txt"));
    EXPECT_FALSE(fs::exists(dir / "dirfind.bat"));
    EXPECT_EQ(ReadFile(dir / "cmds.txt"), "earlier script");
    EXPECT_EQ(ReadFile(dir / "runner.bat"), "earlier launcher");
}

INSTANTIATE_TEST_SUITE_P(Cases, DirectoryListJobFiles, testing::ValuesIn(ListCases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
