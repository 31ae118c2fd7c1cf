// The resources compiled into the program: strings, icons, templates, version.
#include "Resources.h"
#include "CIcon.h"
#include "resource.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

using namespace framework;

TEST(Resources, StringTableHoldsTheAboutEntryOnly)
{
    EXPECT_EQ(LoadStringResource(IDS_ABOUTBOX), "&About Kestrum...");
    EXPECT_EQ(LoadStringResource(102), "");
}

TEST(Resources, IconHasA32And16PixelImageOfAtMostSixteenColours)
{
    HICON icon = LoadIconResource(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconResource(IDR_MAINFRAME), icon) << "loaded once";
    EXPECT_EQ(LoadIconResource(999), nullptr);
    for (int size : {32, 16}) {
        const QImage image = icon->pixmap(size).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        QSet<QRgb> colours;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                colours.insert(image.pixel(x, y));
        EXPECT_LE(colours.size(), 16) << size;
    }
}

TEST(Resources, TemplatesCarryTheirCaptionsSizesAndFont)
{
    const DialogTemplate& about = LoadDialogTemplate(IDD_ABOUTBOX);
    EXPECT_EQ(about.caption, "About Kestrum");
    EXPECT_EQ(about.cx, 235);
    EXPECT_EQ(about.cy, 55);
    EXPECT_EQ(about.controls.size(), 4u);
    const DialogTemplate& main = LoadDialogTemplate(IDD_KESTRUM_DIALOG);
    EXPECT_EQ(main.caption, "Kestrum");
    EXPECT_EQ(main.cx, 378);
    EXPECT_EQ(main.cy, 245);
    EXPECT_EQ(main.fontFace, "MS Sans Serif");
    EXPECT_EQ(main.fontPoints, 8);
    EXPECT_EQ(main.controls.size(), 16u);
    EXPECT_THROW(LoadDialogTemplate(101), std::runtime_error);
}

TEST(Resources, VersionRecordNamesTheProduct)
{
    const auto v = VersionStrings();
    EXPECT_EQ(v.at("FileVersion"), "1, 0, 0, 1");
    EXPECT_EQ(v.at("ProductVersion"), "1, 0, 0, 1");
    EXPECT_EQ(v.at("InternalName"), "Kestrum");
    EXPECT_EQ(v.at("OriginalFilename"), "Kestrum.EXE");
    EXPECT_EQ(v.at("ProductName"), "Kestrum Application");
    EXPECT_FALSE(v.at("LegalCopyright").empty());
}
