// The FTP client's pure parts: arguments, hosts, words, remote paths.

#include "CommandLine.h"
#include "HostAddress.h"
#include "RemotePath.h"
#include "Words.h"

#include <gtest/gtest.h>

using namespace kestrum::ftp;

TEST(FtpParsing, CommandLine)
{
    const char* argv[] = {"ftp", "-s:cmds.txt", "-v", "-i", "-n", "host:2121"};
    const auto parsed = ParseCommandLine(6, argv);
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.scriptFile.value_or(""), "cmds.txt");
    EXPECT_TRUE(parsed.options.verbose && parsed.options.promptOff && parsed.options.noAutoLogin);
    EXPECT_EQ(parsed.options.host.value_or(""), "host:2121");

    const char* extra[] = {"ftp", "host", "-s:other.txt"};
    EXPECT_NE(ParseCommandLine(3, extra).error, "");
    const char* unknown[] = {"ftp", "-x", "host"};
    EXPECT_NE(ParseCommandLine(3, unknown).error, "");
}

TEST(FtpParsing, HostAddresses)
{
    struct Case {
        const char* text;
        const char* port;
        const char* urlHost; // nullptr: rejected
        int expectedPort;
    };
    const Case cases[] = {
        {"example.test", "", "example.test", 21},
        {"127.0.0.1:2121", "", "127.0.0.1", 2121},
        {"[::1]:2121", "", "[::1]", 2121},
        {"::1", "", "[::1]", 21},
        {"host", "990", "host", 990},
        {"host:0", "", nullptr, 0},
        {"host:99999", "", nullptr, 0},
        {"host/x", "", nullptr, 0},
        {"[::1", "", nullptr, 0},
        {"", "", nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto host = ParseHostAddress(c.text, c.port);
        ASSERT_EQ(host.has_value(), c.urlHost != nullptr);
        if (host) {
            EXPECT_EQ(host->urlHost, c.urlHost);
            EXPECT_EQ(host->port, c.expectedPort);
        }
    }
}

TEST(FtpParsing, Words)
{
    const auto words = SplitWords(R"(mput "a b.bin" c*.txt "" d)");
    ASSERT_EQ(words.size(), 5u);
    EXPECT_EQ(words[0].text, "mput");
    EXPECT_EQ(words[1].text, "a b.bin");
    EXPECT_TRUE(words[1].quoted);
    EXPECT_EQ(words[2].text, "c*.txt");
    EXPECT_FALSE(words[2].quoted);
    EXPECT_EQ(words[3].text, "");
    EXPECT_EQ(RestOfLine("  cd   upload dir  "), "upload dir");
    EXPECT_EQ(Unquoted("\"upload dir\""), "upload dir");
}

TEST(FtpParsing, RemotePaths)
{
    struct Case {
        const char* cwd;
        const char* path;
        const char* resolved;
        const char* directoryUrl;
    };
    const Case cases[] = {
        {"/", "upload dir", "/upload dir", "/%2Fupload%20dir/"},
        {"/home/u", "..", "/home", "/%2Fhome/"},
        {"/", "../..", "/", "/%2F"},
        {"/a", "/b/./c/../d", "/b/d", "/%2Fb/d/"},
        {"/", "50% #1?", "/50% #1?", "/%2F50%25%20%231%3F/"},
        {"", "x/y", "x/y", "/x/y/"},
        {"x", "../..", "..", "/../"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.cwd) + " + " + c.path);
        const std::string resolved = ResolveRemotePath(c.cwd, c.path);
        EXPECT_EQ(resolved, c.resolved);
        EXPECT_EQ(DirectoryUrlPath(resolved), c.directoryUrl);
    }
    EXPECT_EQ(FileUrlPath("/d", "a b#.bin"), "/%2Fd/a%20b%23.bin");
    const RemoteFile file = SplitRemoteFile("/top", "sub/name.bin");
    EXPECT_EQ(file.directory, "/top/sub");
    EXPECT_EQ(file.name, "name.bin");
}
