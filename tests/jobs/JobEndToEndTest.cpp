// Both jobs through the real command interpreter and FTP client against a
// local FTP server.

#include "DirectoryListJob.h"
#include "UploadJob.h"

#include "JobTestSupport.h"
#include "LocalFtpServer.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace kestrum::test;

namespace {

std::string BinaryPayload()
{
    std::string bytes("line one\r\nline two\n\r\0tail\r", 27);
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>(i * 7 % 256);
    return bytes;
}

struct UploadTarget {
    std::string name;
    std::string directory;
    std::string localFile;
    std::string remoteFile; // under the server's root
};

void PrintTo(const UploadTarget& c, std::ostream* os)
{
    *os << c.name;
}

class UploadEndToEnd : public testing::TestWithParam<UploadTarget> {};

TEST_P(UploadEndToEnd, FileArrivesByteIdentical)
{
    const UploadTarget& t = GetParam();
    TempDir work, serverDir;
    LocalFtpServer server(serverDir / "site", "alice", "s3cret");
    fs::create_directory(serverDir.path() / "site" / "incoming");
    const std::string payload = BinaryPayload();
    WriteFile(work / t.localFile, payload);
    ScopedWorkingDirectory cwd(work.path());

    TransferForm form{.m_strFile = CString(t.localFile),
                      .m_strHost = CString(server.address()),
                      .m_strPassword = "s3cret",
                      .m_strUsername = "alice",
                      .m_strDirectory = CString(t.directory)};
    const JobOutcome outcome = RunUploadJob(form);

    ASSERT_TRUE(outcome.ran) << outcome.problem;
    const fs::path remote = serverDir.path() / "site" / t.remoteFile;
    ASSERT_TRUE(fs::exists(remote)) << remote;
    EXPECT_EQ(ReadFile(remote), payload);
}

INSTANTIATE_TEST_SUITE_P(Targets, UploadEndToEnd,
                         testing::Values(UploadTarget{"IntoDirectory", "incoming", "payload.bin", "incoming/payload.bin"},
                                         UploadTarget{"IntoLoginDirectoryWithBlankInName", "root", "my payload.bin",
                                                      "my payload.bin"}),
                         [](const auto& info) { return info.param.name; });

TEST(DirectoryListEndToEnd, ListingNamesAServerFileAndTheFilesAreGone)
{
    TempDir work, serverDir;
    LocalFtpServer server(serverDir / "site", "alice", "s3cret");
    WriteFile(serverDir.path() / "site" / "listed-on-server.txt", "x");
    ScopedWorkingDirectory cwd(work.path());

    TransferForm form = ValidForm();
    form.m_strHost = server.address();
    JobOutcome outcome;
    const std::string listing = CaptureStdout([&] { outcome = RunDirectoryListJob(form); });

    EXPECT_TRUE(outcome.ran) << outcome.problem;
    EXPECT_NE(listing.find("listed-on-server.txt"), std::string::npos) << listing;
    EXPECT_TRUE(Snapshot(work.path()).empty());
}

} // namespace
