#include "UploadJob.h"

#include "JobTestSupport.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;
using namespace kestrum::test;

namespace {

struct UploadCase {
    std::string name;
    TransferForm form;
    std::string cmds;
    std::string runner;
    std::optional<TransferForm> earlier = std::nullopt;
};

void PrintTo(const UploadCase& c, std::ostream* os)
{
    *os << c.name;
}

TransferForm Base()
{
    return With(ValidForm(), &TransferForm::m_strHost, "");
}

const std::string kLogin = "alice\r\ns3cret\r\n";
const std::string kSend = "mput report.pdf\r\ny\r\nquit";
const std::string kNoHostLauncher = "@echo off\r\nftp -s:cmds.txt ";

std::vector<UploadCase> UploadCases()
{
    const auto dir = &TransferForm::m_strDirectory;
    TransferForm others = Base();
    others.m_strUsername = "j\xc3\xbcrgen\t";
    others.m_strPassword = "p&ss w%rd|<>^\"";
    others.m_strDirectory = "my dir";
    TransferForm longer = ValidForm();
    longer.m_strDirectory = "a/much/longer/remote/directory";
    longer.m_strPassword = "a-long-password-from-before";

    return {
        {"RootStaysInLoginDirectory", Base(), kLogin + kSend, kNoHostLauncher},
        {"EmptyDirectoryGivesBareCd", With(Base(), dir, ""), kLogin + "cd \r\n" + kSend, kNoHostLauncher},
        {"CapitalRootIsADirectory", With(Base(), dir, "Root"), kLogin + "cd Root\r\n" + kSend, kNoHostLauncher},
        {"BlankBeforeRootIsADirectory", With(Base(), dir, " root"), kLogin + "cd  root\r\n" + kSend,
         kNoHostLauncher},
        {"SlashAfterRootIsADirectory", With(Base(), dir, "root/"), kLogin + "cd root/\r\n" + kSend, kNoHostLauncher},
        {"PathWithBlanksIsQuoted", With(Base(), &TransferForm::m_strFile, "/home/al ice/my report.pdf"),
         kLogin + "mput \"/home/al ice/my report.pdf\"\r\ny\r\nquit", kNoHostLauncher},
        {"PathWithQuoteButNoBlankIsUnchanged", With(Base(), &TransferForm::m_strFile, "say\"hi\".txt"),
         kLogin + "mput say\"hi\".txt\r\ny\r\nquit", kNoHostLauncher},
        {"OtherBytesAreWrittenUnchanged", others,
         "j\xc3\xbcrgen\t\r\np&ss w%rd|<>^\"\r\ncd my dir\r\n" + kSend, kNoHostLauncher},
        {"HostEndsTheLauncher", ValidForm(), kLogin + kSend, "@echo off\r\nftp -s:cmds.txt 127.0.0.1:1"},
        {"BlanksAroundHostAreKept", With(Base(), &TransferForm::m_strHost, " 127.0.0.1:1 "), kLogin + kSend,
         "@echo off\r\nftp -s:cmds.txt  127.0.0.1:1 "},
        {"AllEmpty", TransferForm{}, "\r\n\r\ncd \r\nmput \r\ny\r\nquit", kNoHostLauncher},
        {"ShorterSecondUploadLeavesNoTrace", Base(), kLogin + kSend, kNoHostLauncher, longer},
    };
}

class UploadJobBytes : public testing::TestWithParam<UploadCase> {};

TEST_P(UploadJobBytes, WritesScriptAndLauncherExactly)
{
    const UploadCase& c = GetParam();
    TempDir dir;
    ScopedWorkingDirectory cwd(dir.path());
    if (c.earlier) {
        ASSERT_TRUE(RunUploadJob(*c.earlier).ran);
    }

    const JobOutcome outcome = RunUploadJob(c.form);

    EXPECT_TRUE(outcome.ran) << outcome.problem;
    EXPECT_EQ(ReadFile(dir / "cmds.txt"), c.cmds);
    EXPECT_EQ(ReadFile(dir / "runner.bat"), c.runner);
}

INSTANTIATE_TEST_SUITE_P(Cases, UploadJobBytes, testing::ValuesIn(UploadCases()),
                         [](const auto& info) { return info.param.name; });

TEST(UploadJobPermissions, FilesAreOwnerOnlyWhetherCreatedOrEmptied)
{
    TempDir dir;
    ScopedWorkingDirectory cwd(dir.path());
    const auto ownerOnly = fs::perms::owner_read | fs::perms::owner_write;

    ASSERT_TRUE(RunUploadJob(ValidForm()).ran);
    EXPECT_EQ(fs::status(dir / "cmds.txt").permissions(), ownerOnly);
    EXPECT_EQ(fs::status(dir / "runner.bat").permissions(), ownerOnly);

    for (const char* name : {"cmds.txt", "runner.bat"})
        fs::permissions(dir / name, ownerOnly | fs::perms::group_read | fs::perms::others_read);
    ASSERT_TRUE(RunUploadJob(ValidForm()).ran);
    EXPECT_EQ(fs::status(dir / "cmds.txt").permissions(), ownerOnly);
    EXPECT_EQ(fs::status(dir / "runner.bat").permissions(), ownerOnly);
}

} // namespace
