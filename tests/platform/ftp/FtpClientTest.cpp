// The FTP client as the launcher runs it: a real process, a script, and a
// real FTP server on loopback.

#include "LocalFtpServer.h"
#include "TestFiles.h"

#include <arpa/inet.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace kestrum::test;
namespace fs = std::filesystem;

namespace {

const std::string kUser = "alice";
const std::string kPassword = "Pw-7f3kQ9zz";

std::string Login() { return kUser + "\r\n" + kPassword + "\r\n"; }

// A loopback port nobody listens on.
int ClosedPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

class FtpClientTest : public ::testing::Test {
protected:
    ProcessResult Run(const std::string& script, std::vector<std::string> arguments = {})
    {
        WriteFile(local.path() / "cmds.txt", script);
        std::vector<std::string> argv = {ToolPath("ftp"), "-s:cmds.txt"};
        if (arguments.empty())
            arguments = {server.address()};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        auto result = RunProcess(argv, local.path(), {}, 60);
        EXPECT_FALSE(result.timedOut) << result.out;
        return result;
    }
    fs::path Remote(const std::string& name) const { return fs::path(server.root()) / name; }

    TempDir serverDir;
    TempDir local;
    LocalFtpServer server {serverDir / "root", kUser, kPassword};
};

TEST_F(FtpClientTest, BinaryFileArrivesByteIdentical)
{
    std::string bytes("\r\n\n\r\0\0x\r\r\nend\0", 14);
    for (unsigned i = 0; i < 300000; ++i)
        bytes += static_cast<char>((i * 7919u) >> 3);
    WriteFile(local.path() / "data.bin", bytes);

    // CR LF line ends, the last line without one.
    const auto result = Run(Login() + "mput data.bin\r\ny\r\nquit");

    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(ReadFile(Remote("data.bin")), bytes);
    EXPECT_NE(result.out.find("ftp: " + std::to_string(bytes.size()) + " bytes sent in "), std::string::npos)
        << result.out;
}

struct CdCase {
    const char* name;
    const char* create;   // under the server root
    const char* argument; // as written after "cd"
    const char* landsIn;
};

class FtpCdTest : public FtpClientTest, public ::testing::WithParamInterface<CdCase> {};

TEST_P(FtpCdTest, FileLandsInTheDirectory)
{
    const CdCase& c = GetParam();
    fs::create_directories(Remote(c.create));
    WriteFile(local.path() / "f.bin", "payload");

    const auto result = Run(Login() + "cd " + c.argument + "\r\nmput f.bin\r\ny\r\nquit\r\n");

    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(ReadFile(Remote(std::string(c.landsIn) + "/f.bin")), "payload") << result.out;
    EXPECT_FALSE(fs::exists(Remote("f.bin")));
}

INSTANTIATE_TEST_SUITE_P(Directories, FtpCdTest,
                         ::testing::Values(CdCase {"Plain", "upload", "upload", "upload"},
                                           CdCase {"Blanks", "upload dir", "upload dir", "upload dir"},
                                           CdCase {"Quoted", "upload dir", "\"upload dir\"", "upload dir"},
                                           CdCase {"UrlReserved", "50% #1? x", "50% #1? x", "50% #1? x"},
                                           CdCase {"Nested", "a/b c", "a/b c", "a/b c"},
                                           CdCase {"AbsoluteWithDots", "a/b", "/a/b/../b/.", "a/b"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FtpClientTest, MissingRemoteDirectoryStopsTheScript)
{
    WriteFile(local.path() / "f.bin", "payload");

    const auto result = Run(Login() + "cd no such dir\r\nmput f.bin\r\ny\r\nquit\r\n");

    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.out.find("No such remote directory: no such dir"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("ftp> mput"), std::string::npos) << result.out;
    EXPECT_FALSE(fs::exists(Remote("f.bin")));
}

TEST_F(FtpClientTest, MissingLocalFileFails)
{
    const auto result = Run(Login() + "mput missing.bin\r\ny\r\nquit\r\n");

    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.out.find("missing.bin: File not found."), std::string::npos) << result.out;
}

TEST_F(FtpClientTest, ListScriptWithoutQuitShowsNamesAndEnds)
{
    WriteFile(Remote("listed name.txt"), "x");

    const auto result = Run(Login() + "ls\r\n");

    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_NE(result.out.find("\nlisted name.txt\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("221"), std::string::npos) << "QUIT not sent:\n" << result.out;
}

TEST_F(FtpClientTest, RefusedLoginStopsTheScript)
{
    WriteFile(local.path() / "f.bin", "payload");

    const auto result = Run(kUser + "\r\nwrong\r\nmput f.bin\r\ny\r\n");

    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.out.find("Login failed."), std::string::npos) << result.out;
    EXPECT_FALSE(fs::exists(Remote("f.bin")));
}

TEST_F(FtpClientTest, UnreachableServerFailsClearly)
{
    const struct {
        std::string host;
        std::string message;
    } cases[] = {
        {"127.0.0.1:" + std::to_string(ClosedPort()), "Connection refused"},
        {"no-such-host.invalid", "Unknown host no-such-host.invalid."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.host);
        const auto result = Run(Login() + "ls\r\nquit\r\n", {c.host});
        EXPECT_NE(result.status, 0);
        EXPECT_NE(result.out.find(c.message), std::string::npos) << result.out;
    }
}

TEST_F(FtpClientTest, PasswordNeverPrinted)
{
    WriteFile(local.path() / "f.bin", "payload");
    const struct {
        std::vector<std::string> arguments;
        std::string script;
    } cases[] = {
        {{server.address()}, Login() + "mput f.bin\r\ny\r\nls\r\nquit\r\n"},
        {{"-v", server.address()}, Login() + "mput f.bin\r\ny\r\nls\r\nquit\r\n"},
        {{"-v", "-n", server.address()}, "user " + kUser + " " + kPassword + "\r\nls\r\nquit\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        const auto result = Run(c.script, c.arguments);
        EXPECT_EQ(result.status, 0) << result.out;
        EXPECT_NE(result.out.find("230"), std::string::npos) << result.out;
        EXPECT_EQ(result.out.find(kPassword), std::string::npos) << result.out;
        EXPECT_EQ(result.err.find(kPassword), std::string::npos) << result.err;
    }
}

TEST_F(FtpClientTest, MputConfirmations)
{
    WriteFile(local.path() / "a.bin", "a");
    WriteFile(local.path() / "b.bin", "b");
    const struct {
        std::vector<std::string> arguments;
        std::string answers;
        bool aSent;
        bool bSent;
    } cases[] = {
        {{}, "n\r\ny\r\n", false, true},
        {{}, "yes\r\n\r\n", true, true},
        {{"-i"}, "", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        fs::remove(Remote("a.bin"));
        fs::remove(Remote("b.bin"));
        std::vector<std::string> arguments = c.arguments;
        arguments.push_back(server.address());
        const auto result = Run(Login() + "mput a.bin b.bin\r\n" + c.answers + "quit\r\n", arguments);
        EXPECT_EQ(result.status, 0) << result.out;
        EXPECT_EQ(fs::exists(Remote("a.bin")), c.aSent) << result.out;
        EXPECT_EQ(fs::exists(Remote("b.bin")), c.bSent) << result.out;
    }
}

TEST_F(FtpClientTest, FilesStoredUnderTheirBaseName)
{
    fs::create_directories(local.path() / "deep dir/x");
    WriteFile(local.path() / "deep dir/x/one.bin", "1");
    WriteFile(local.path() / "deep dir/x/two.bin", "2");
    WriteFile(local.path() / "three.bin", "3");

    const auto result = Run(Login() + "prompt\r\nmput \"" + (local.path() / "deep dir/x/one.bin").string()
                            + "\"\r\nput \"deep dir/x/two.bin\"\r\nput three.bin \"renamed 3.bin\"\r\nquit\r\n");

    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(ReadFile(Remote("one.bin")), "1");
    EXPECT_EQ(ReadFile(Remote("two.bin")), "2");
    EXPECT_EQ(ReadFile(Remote("renamed 3.bin")), "3");
}

TEST_F(FtpClientTest, MputTakesAnExistingNameLiterallyAndExpandsPatterns)
{
    WriteFile(local.path() / "report[1].pdf", "literal");
    WriteFile(local.path() / "report1.pdf", "pattern match");
    WriteFile(local.path() / "a.txt", "a");
    WriteFile(local.path() / "b.txt", "b");

    const auto result = Run(Login() + "mput report[1].pdf\r\ny\r\nmput *.txt\r\ny\r\ny\r\nquit");

    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(ReadFile(Remote("report[1].pdf")), "literal");
    EXPECT_FALSE(fs::exists(Remote("report1.pdf")));
    EXPECT_EQ(ReadFile(Remote("a.txt")), "a");
    EXPECT_EQ(ReadFile(Remote("b.txt")), "b");
}

TEST_F(FtpClientTest, ExtraArgumentsAndUnknownCommandsRunNothing)
{
    const auto extra = Run(Login() + "quit\r\n", {server.address(), "&", "touch", "marker"});
    EXPECT_NE(extra.status, 0);
    EXPECT_EQ(extra.out.find("Connected"), std::string::npos) << extra.out;

    const auto bang = Run(Login() + "!touch marker\r\nquit\r\n");
    EXPECT_NE(bang.status, 0);
    EXPECT_NE(bang.out.find("Invalid command."), std::string::npos) << bang.out;

    EXPECT_FALSE(fs::exists(local.path() / "marker"));
}

TEST_F(FtpClientTest, WithoutHostCommandsNeedOpen)
{
    WriteFile(local.path() / "cmds.txt", "ls\r\nopen " + server.address() + "\r\n" + Login() + "pwd\r\nquit\r\n");
    const auto unconnected = RunProcess({ToolPath("ftp"), "-s:cmds.txt"}, local.path(), {}, 60);

    EXPECT_NE(unconnected.status, 0); // the ls before open failed
    EXPECT_NE(unconnected.out.find("Not connected."), std::string::npos) << unconnected.out;
    EXPECT_NE(unconnected.out.find("257 \"/\""), std::string::npos) << unconnected.out;
}

} // namespace
