// A host name or argument taken from the user must never become a second
// command, a redirection or an expansion.

#include "CmdTestSupport.h"

#include <gtest/gtest.h>

namespace kestrum::test {
namespace {

struct InjectionCase {
    const char* name;
    const char* line;        // second line of runner.bat
    const char* expectedOut; // nullptr: not checked (Kestrum's ftp client runs)
};

void PrintTo(const InjectionCase& c, std::ostream* os) { *os << c.name; }

class CmdInjection : public ::testing::TestWithParam<InjectionCase> {};

TEST_P(CmdInjection, RunsOneCommandAndCreatesNoFile)
{
    TempDir dir;
    TempDir tools;
    // What an injected command would most likely reach for.
    WriteScript(tools.path() / "showargs", "for a in \"$@\"; do printf '[%s]' \"$a\"; done; echo");
    WriteFile(dir / "cmds.txt", "quit\r\n");
    WriteFile(dir / "runner.bat", std::string("@echo off\r\n") + GetParam().line);

    const ProcessResult result = RunCmd(dir.path(), "runner", tools.path().string());

    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(FileNames(dir.path()), (std::set<std::string>{"cmds.txt", "runner.bat"}));
    if (GetParam().expectedOut) {
        EXPECT_EQ(result.out, GetParam().expectedOut);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CmdInjection,
    ::testing::Values(
        InjectionCase{"FtpAmpersand", "ftp -s:cmds.txt 127.0.0.1 & touch pwned", nullptr},
        InjectionCase{"FtpDoubleAmpersand", "ftp -s:cmds.txt 127.0.0.1 && touch pwned", nullptr},
        InjectionCase{"FtpPipe", "ftp -s:cmds.txt 127.0.0.1 | touch pwned", nullptr},
        InjectionCase{"FtpRedirect", "ftp -s:cmds.txt 127.0.0.1 > pwned", nullptr},
        InjectionCase{"ArgsAmpersand", "showargs 127.0.0.1 & touch pwned", "[127.0.0.1][&][touch][pwned]\n"},
        InjectionCase{"ArgsPipe", "showargs a | touch pwned", "[a][|][touch][pwned]\n"},
        InjectionCase{"ArgsRedirectOut", "showargs a > pwned", "[a][>][pwned]\n"},
        InjectionCase{"ArgsRedirectIn", "showargs a < pwned", "[a][<][pwned]\n"},
        InjectionCase{"ArgsCaret", "showargs a ^& touch pwned", "[a][^&][touch][pwned]\n"},
        InjectionCase{"ArgsVariable", "showargs %PATH% %CD%>pwned", "[%PATH%][%CD%>pwned]\n"},
        InjectionCase{"ArgsQuotesGroup", "showargs \"a & b\" c\"d e\"f \"\"", "[a & b][cd ef][]\n"},
        InjectionCase{"EchoRedirect", "echo %PATH% > pwned", "%PATH% > pwned\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// `ftp` in a launcher must be Kestrum's client, even with another one earlier on PATH.
TEST(CmdProgramLookup, OwnDirectoryBeforePath)
{
    TempDir dir;
    TempDir fakes;
    WriteScript(fakes.path() / "ftp", "touch fake-ftp-ran; exit 42");
    WriteScript(fakes.path() / "kestrum-probe", "touch probe-ran; exit 7");

    const ProcessResult ftp = RunCmd(dir.path(), "ftp", fakes.path().string());
    EXPECT_FALSE(ftp.timedOut);
    EXPECT_NE(ftp.status, 42);
    EXPECT_FALSE(std::filesystem::exists(dir / "fake-ftp-ran"));

    // The same PATH is searched for names Kestrum has no tool for.
    const ProcessResult probe = RunCmd(dir.path(), "kestrum-probe", fakes.path().string());
    EXPECT_EQ(probe.status, 7);
    EXPECT_TRUE(std::filesystem::exists(dir / "probe-ran"));
}

} // namespace
} // namespace kestrum::test
