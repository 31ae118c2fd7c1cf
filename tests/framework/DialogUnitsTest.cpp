// Dialog units scale with the template's font, as the templates expect.
#include "CFileDialog.h"
#include "DialogUnits.h"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace framework;

TEST(DialogUnits, RectanglesScaleByTheBaseUnitsAndRoundToNearest)
{
    const BaseUnits units{6, 13};
    EXPECT_EQ(MapDialogRect(units, 80, 217, 50, 14), QRect(120, 353, 75, 23));
    EXPECT_EQ(MapDialogRect(units, 0, 0, 378, 245), QRect(0, 0, 567, 398));
    EXPECT_EQ(MapDialogRect(units, 1, 1, 2, 3), QRect(2, 2, 3, 5));
}

TEST(DialogUnits, TheClassicFaceIsReplacedByAnInstalledSansFont)
{
    const QFont font = TemplateFont("MS Sans Serif", 8);
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
    EXPECT_EQ(font.pointSize(), 8);
    const BaseUnits units = BaseUnitsOf(font);
    // Average letter width and height of an 8-point sans face at common DPIs.
    EXPECT_GE(units.x, 4);
    EXPECT_LE(units.x, 8);
    EXPECT_GE(units.y, 10);
    EXPECT_LE(units.y, 16);
}

TEST(FileDialogFilter, BarSeparatedEntriesBecomeShownNamesAndPatterns)
{
    struct Case {
        const char* filter;
        std::vector<std::pair<std::string, std::string>> expected;
    };
    const Case cases[] = {
        {"All Files(*.*)|*.*||", {{"All Files(*.*)", "*"}}},
        {"Text (*.txt)|*.txt;*.text|All|*.*||", {{"Text (*.txt)", "*.txt *.text"}, {"All", "*"}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<std::string, std::string>> got;
        for (const auto& f : ParseFilter(c.filter))
            got.emplace_back(f.shown, f.patterns);
        EXPECT_EQ(got, c.expected) << c.filter;
    }
}
