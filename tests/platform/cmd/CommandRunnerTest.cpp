// kestrum::RunCommand, the jobs' way to start a launcher.

#include "CommandRunner.h"
#include "CmdTestSupport.h"

#include <gtest/gtest.h>

namespace kestrum::test {
namespace {

TEST(CmdCommandRunner, FindsTheToolsNextToTheExecutable)
{
    EXPECT_EQ(std::filesystem::canonical(ToolDirectory()), std::filesystem::canonical(KESTRUM_LIBEXEC_DIR));
}

// The directory-list job: three runs, each from the job's own working directory.
TEST(CmdCommandRunner, RunsFromAnyWorkingDirectory)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "nested");
    for (const auto& work : {dir.path(), dir.path() / "nested"}) {
        ScopedWorkingDirectory cwd(work);
        WriteFile(work / "dircmds.txt", "quit\r\n");
        WriteFile(work / "dirfind.bat", "@echo off\r\necho listing");

        EXPECT_EQ(RunCommand("dirfind"), 0);
        EXPECT_EQ(RunCommand("del dircmds.txt"), 0);
        EXPECT_EQ(RunCommand("del dirfind.bat"), 0);
        EXPECT_FALSE(std::filesystem::exists(work / "dircmds.txt"));
        EXPECT_FALSE(std::filesystem::exists(work / "dirfind.bat"));
    }
}

TEST(CmdCommandRunner, ReturnsTheInterpretersStatus)
{
    TempDir dir;
    ScopedWorkingDirectory cwd(dir.path());
    WriteFile(dir / "fails.bat", "@echo off\necho x\nfalse");
    WriteFile(dir / "recovers.bat", "@echo off\nfalse\necho x");

    EXPECT_EQ(RunCommand("fails"), 1);
    EXPECT_EQ(RunCommand("recovers"), 0);
    EXPECT_EQ(RunCommand("del missing-file"), 0);
    EXPECT_NE(RunCommand("no-such-command"), 0);
}

} // namespace
} // namespace kestrum::test
