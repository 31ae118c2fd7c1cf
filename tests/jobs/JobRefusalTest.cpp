#include "DirectoryListJob.h"
#include "UploadJob.h"

#include "JobTestSupport.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;
using namespace kestrum::test;

namespace {

enum class Job { Upload, List };

JobOutcome RunJob(Job job, const TransferForm& form)
{
    return job == Job::Upload ? RunUploadJob(form) : RunDirectoryListJob(form);
}

const char* Name(Job job)
{
    return job == Job::Upload ? "Upload" : "List";
}

// Run by mistake, this launcher would delete the marker.
const std::string kStaleLauncher = "@echo off\r\ndel marker.txt";

struct RefusedCase {
    std::string name;
    Job job;
    TransferForm form;
    std::string field; // as the message names it
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<RefusedCase> RefusedCases()
{
    struct Field {
        const char* label;
        CString TransferForm::*member;
        const char* message;
    };
    const Field login[] = {{"User", &TransferForm::m_strUsername, "user name"},
                           {"Password", &TransferForm::m_strPassword, "password"},
                           {"Host", &TransferForm::m_strHost, "server address"}};
    const Field uploadOnly[] = {{"Directory", &TransferForm::m_strDirectory, "remote directory"},
                                {"File", &TransferForm::m_strFile, "file path"}};
    const std::pair<const char*, std::string> breaks[] = {
        {"CarriageReturn", "a\rb"}, {"LineFeed", "a\nb"}, {"Nul", std::string("a\0b", 3)}};
    const std::pair<const char*, std::string> hostOnly[] = {
        {"Ampersand", "a&b"}, {"Pipe", "a|b"},     {"Less", "a<b"},      {"Greater", "a>b"},
        {"Caret", "a^b"},     {"Percent", "a%b"}, {"Quote", "a\"b"},    {"InnerBlank", "127.0.0.1 1"},
        {"InnerTab", "a\tb"},   {"LeadingDash", "-s:other.txt"}, {"BlankThenDash", " -n"}};

    std::vector<RefusedCase> cases;
    const auto add = [&cases](Job job, const Field& f, const char* what, const std::string& value) {
        cases.push_back({std::string(Name(job)) + "_" + f.label + "_" + what, job,
                         With(ValidForm(), f.member, value), f.message});
    };
    for (Job job : {Job::Upload, Job::List}) {
        for (const Field& f : login)
            for (const auto& [what, value] : breaks)
                add(job, f, what, value);
        for (const auto& [what, value] : hostOnly)
            add(job, login[2], what, value);
    }
    for (const Field& f : uploadOnly)
        for (const auto& [what, value] : breaks)
            add(Job::Upload, f, what, value);
    add(Job::Upload, uploadOnly[1], "QuoteAndBlank", "my \"best\" report.pdf");
    return cases;
}

class RefusedValue : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedValue, NothingIsWrittenOrRunAndTheFieldIsNamed)
{
    const RefusedCase& c = GetParam();
    TempDir dir;
    ScopedWorkingDirectory cwd(dir.path());
    WriteFile(dir / "marker.txt", "still here");
    WriteFile(dir / "runner.bat", kStaleLauncher);
    WriteFile(dir / "dirfind.bat", kStaleLauncher);
    const auto before = Snapshot(dir.path());

    const JobOutcome outcome = RunJob(c.job, c.form);

    EXPECT_FALSE(outcome.ran);
    EXPECT_NE(outcome.problem.find("The " + c.field + " "), std::string::npos) << outcome.problem;
    EXPECT_EQ(Snapshot(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedValue, testing::ValuesIn(RefusedCases()),
                         [](const auto& info) { return info.param.name; });

struct BlockedCase {
    std::string name;
    Job job;
    std::string blocked;        // a directory takes this file's name
    std::string staleLauncher;  // written before the job, must stay as it was
    std::string absentAfter;    // must not be left behind
};

void PrintTo(const BlockedCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnwritableFile : public testing::TestWithParam<BlockedCase> {};

TEST_P(UnwritableFile, NothingIsRunAndTheFileIsNamed)
{
    const BlockedCase& c = GetParam();
    TempDir dir;
    ScopedWorkingDirectory cwd(dir.path());
    fs::create_directory(dir / c.blocked);
    WriteFile(dir / "marker.txt", "still here");
    if (!c.staleLauncher.empty())
        WriteFile(dir / c.staleLauncher, kStaleLauncher);

    const JobOutcome outcome = RunJob(c.job, ValidForm());

    EXPECT_FALSE(outcome.ran);
    EXPECT_NE(outcome.problem.find(c.blocked + ": " + std::strerror(EISDIR)), std::string::npos)
        << outcome.problem;
    EXPECT_EQ(ReadFile(dir / "marker.txt"), "still here");
    if (!c.staleLauncher.empty()) {
        EXPECT_EQ(ReadFile(dir / c.staleLauncher), kStaleLauncher);
    }
    if (!c.absentAfter.empty()) {
        EXPECT_FALSE(fs::exists(dir / c.absentAfter));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, UnwritableFile,
                         testing::Values(BlockedCase{"UploadScript", Job::Upload, "cmds.txt", "runner.bat", ""},
                                         BlockedCase{"UploadLauncher", Job::Upload, "runner.bat", "", ""},
                                         BlockedCase{"ListScript", Job::List, "dircmds.txt", "dirfind.bat", ""},
                                         BlockedCase{"ListLauncher", Job::List, "dirfind.bat", "", "dircmds.txt"}),
                         [](const auto& info) { return info.param.name; });

} // namespace
