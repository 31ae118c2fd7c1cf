// The del built-in, as the directory-list job uses it.

#include "CmdTestSupport.h"

#include <gtest/gtest.h>

namespace kestrum::test {
namespace {

struct DelCase {
    const char* name;
    std::vector<std::string> present;
    const char* line;
    std::vector<std::string> missing; // reported as "Could Not Find <full path>"
    std::set<std::string> left;
};

void PrintTo(const DelCase& c, std::ostream* os) { *os << c.name; }

class CmdDel : public ::testing::TestWithParam<DelCase> {};

TEST_P(CmdDel, RemovesWhatExistsAndReportsTheRest)
{
    TempDir dir;
    for (const auto& name : GetParam().present)
        WriteFile(dir / name, "x");

    const ProcessResult result = RunCmd(dir.path(), GetParam().line);

    std::string expectedErr;
    for (const auto& name : GetParam().missing)
        expectedErr += "Could Not Find " + (std::filesystem::canonical(dir.path()) / name).string() + "\n";
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, expectedErr);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(FileNames(dir.path()), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CmdDel,
    ::testing::Values(DelCase{"One", {"dircmds.txt", "keep"}, "del dircmds.txt", {}, {"keep"}},
                      DelCase{"Several", {"a", "b c", "d"}, "del a \"b c\"", {}, {"d"}},
                      DelCase{"MissingInTheMiddle", {"a", "b"}, "del a gone b", {"gone"}, {}},
                      DelCase{"AllMissing", {"keep"}, "DEL x y", {"x", "y"}, {"keep"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kestrum::test
