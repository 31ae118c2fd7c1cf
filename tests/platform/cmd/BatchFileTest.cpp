// How the interpreter reads and echoes a batch file.

#include "CmdTestSupport.h"

#include <gtest/gtest.h>

namespace kestrum::test {
namespace {

struct BatchCase {
    const char* name;
    const char* script;
    const char* expectedOut; // "{cwd}" stands for the working directory
};

void PrintTo(const BatchCase& c, std::ostream* os) { *os << c.name; }

class CmdBatchOutput : public ::testing::TestWithParam<BatchCase> {};

std::string ReplaceCwd(std::string text, const std::string& cwd)
{
    for (auto at = text.find("{cwd}"); at != std::string::npos; at = text.find("{cwd}", at + cwd.size()))
        text.replace(at, 5, cwd);
    return text;
}

TEST_P(CmdBatchOutput, PrintsWhatTheScriptSays)
{
    TempDir dir;
    WriteFile(dir / "job.bat", GetParam().script);

    const ProcessResult result = RunCmd(dir.path(), "job");

    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, ReplaceCwd(GetParam().expectedOut, std::filesystem::canonical(dir.path()).string()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CmdBatchOutput,
    ::testing::Values(
        BatchCase{"EchoOnShowsPromptAndCommand", "echo hello\r\n", "\n{cwd}>echo hello\nhello\n"},
        BatchCase{"AtEchoOffSilencesEverything", "@echo off\r\necho hello\r\n", "hello\n"},
        BatchCase{"AtHidesOneLine", "@echo one\r\necho two\r\n", "one\n\n{cwd}>echo two\ntwo\n"},
        BatchCase{"EchoOffAndOnToggle", "echo off\necho quiet\necho on\necho loud\n",
                  "\n{cwd}>echo off\nquiet\n\n{cwd}>echo loud\nloud\n"},
        BatchCase{"EchoAloneShowsState", "@echo off\necho\n", "ECHO is off.\n"},
        BatchCase{"EchoKeepsSpecialCharacters", "@echo \"a  b\" %PATH% ^& | > <\n", "\"a  b\" %PATH% ^& | > <\n"},
        BatchCase{"CrLf", "@echo off\r\necho a\r\necho b\r\n", "a\nb\n"},
        BatchCase{"Lf", "@echo off\necho a\necho b\n", "a\nb\n"},
        BatchCase{"NoFinalLineEnd", "@echo off\r\necho a\r\necho b", "a\nb\n"},
        BatchCase{"BlankLinesSkipped", "\r\n@echo off\r\n\r\n   \r\n\necho a\n\t\necho b", "a\nb\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ResolutionCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> files;
    const char* line;
    const char* expectedOut;
};

void PrintTo(const ResolutionCase& c, std::ostream* os) { *os << c.name; }

class CmdResolution : public ::testing::TestWithParam<ResolutionCase> {};

TEST_P(CmdResolution, RunsTheRightBatchFile)
{
    TempDir dir;
    for (const auto& [name, content] : GetParam().files)
        WriteFile(dir / name, content);

    const ProcessResult result = RunCmd(dir.path(), GetParam().line);

    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, GetParam().expectedOut);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CmdResolution,
    ::testing::Values(
        ResolutionCase{"BatBeforeCmd", {{"job.bat", "@echo bat"}, {"job.cmd", "@echo cmd"}}, "job", "bat\n"},
        ResolutionCase{"CmdWhenNoBat", {{"job.cmd", "@echo cmd"}}, "job", "cmd\n"},
        ResolutionCase{"ExplicitExtension", {{"job.bat", "@echo bat"}, {"job.cmd", "@echo cmd"}}, "job.cmd", "cmd\n"},
        ResolutionCase{"BatBeforeOwnTool", {{"ftp.bat", "@echo local ftp"}}, "ftp -s:cmds.txt host", "local ftp\n"},
        ResolutionCase{"AtAndBlanksOnTheCommandLine", {{"job.bat", "@echo off\necho ran"}}, "  @job", "ran\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CmdUnknownCommand, ReportsTwoLinesAndFails)
{
    TempDir dir;
    const std::string message = "'no-such-command' is not recognized as an internal or external command,\n"
                                "operable program or batch file.\n";

    const ProcessResult direct = RunCmd(dir.path(), "no-such-command arg");
    EXPECT_NE(direct.status, 0);
    EXPECT_EQ(direct.err, message);
    EXPECT_EQ(direct.out, "");

    // Inside a batch file the next line still runs, and its status is the one that counts.
    WriteFile(dir / "job.bat", "@echo off\r\nno-such-command\r\necho after\r\n");
    const ProcessResult batch = RunCmd(dir.path(), "job");
    EXPECT_EQ(batch.status, 0);
    EXPECT_EQ(batch.err, message);
    EXPECT_EQ(batch.out, "after\n");
}

} // namespace
} // namespace kestrum::test
