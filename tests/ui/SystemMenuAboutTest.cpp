#include "DialogTestSupport.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <filesystem>

using namespace kestrum::test;
namespace fs = std::filesystem;

namespace {

QMenu* OpenSystemMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

std::vector<std::string> Entries(QMenu* menu)
{
    std::vector<std::string> out;
    for (QAction* a : menu->actions())
        out.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return out;
}

bool IsAboutBox(QWidget* w) { return w && w->objectName() == "dialog100"; }

} // namespace

TEST_F(MainDialogTest, AltSpaceAndRightClickOpenTheSystemMenuEndingWithAbout)
{
    Run([&] {
        QTest::keyClick(Edit(IDC_HOST), Qt::Key_Space, Qt::AltModifier);
        QMenu* menu = OpenSystemMenu();
        ASSERT_NE(menu, nullptr);
        const std::vector<std::string> expected{"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize", "-",
                                                "&Close\tAlt+F4", "-", "&About Kestrum..."};
        EXPECT_EQ(Entries(menu), expected);
        EXPECT_EQ(menu->actions().last()->data().toUInt(), 0x0010u);
        EXPECT_TRUE(Edit(IDC_HOST)->text().isEmpty()) << "Alt+Space must not type a blank";
        menu->close();

        const QPoint inside(4, 4);
        QContextMenuEvent click(QContextMenuEvent::Mouse, inside, Window()->mapToGlobal(inside));
        QApplication::sendEvent(Window(), &click);
        ASSERT_NE(OpenSystemMenu(), nullptr);
        EXPECT_EQ(Entries(OpenSystemMenu()), expected);
        OpenSystemMenu()->close();
    });
}

TEST_F(MainDialogTest, AboutEntryOpensTheAboutBoxWhileTheMainDialogTakesNoInput)
{
    bool aboutSeen = false;
    Run([&] {
        Type({"keep.bin", "", "", "", "root"});
        Edit(IDC_FILE)->setFocus();
        AnswerNextModal(Window(), [&](QWidget* about) {
            aboutSeen = IsAboutBox(about);
            EXPECT_EQ(about->windowTitle(), "About Kestrum");
            const auto labels = about->findChildren<QLabel*>();
            ASSERT_EQ(labels.size(), 3);
            EXPECT_FALSE(labels[0]->pixmap().isNull()) << "the application icon";
            EXPECT_EQ(labels[1]->text(), "Kestrum Version 1.0");
            // Input meant for the main window is held back while the box is open.
            QTest::keyClick(Window()->windowHandle(), Qt::Key_Z);
            const QPoint upload = Button(IDOK)->mapTo(Window(), Button(IDOK)->rect().center());
            QTest::mouseClick(Window()->windowHandle(), Qt::LeftButton, {}, upload);
            auto* ok = about->findChild<QPushButton*>();
            ASSERT_NE(ok, nullptr);
            EXPECT_TRUE(ok->isDefault());
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QTest::keyClick(Edit(IDC_FILE), Qt::Key_Space, Qt::AltModifier);
        ASSERT_NE(OpenSystemMenu(), nullptr);
        OpenSystemMenu()->actions().last()->trigger();
        ASSERT_TRUE(WaitUntil([&] { return aboutSeen && QApplication::activeModalWidget() == Window(); }));
        EXPECT_EQ(Edit(IDC_FILE)->text(), "keep.bin");
        EXPECT_EQ(Edit(IDC_DIRECTORY)->text(), "root");
    });
    EXPECT_TRUE(aboutSeen);
    EXPECT_FALSE(fs::exists(m_dir / "cmds.txt")) << "the click on Upload reached the main dialog";
}

TEST_F(MainDialogTest, SystemCommandsDifferingOnlyInTheLowFourBitsOpenAbout)
{
    Run([&] {
        for (UINT id = 0x0010; id <= 0x0020; ++id) {
            bool opened = false;
            if (id <= 0x001F)
                AnswerNextModal(Window(), [&](QWidget* w) {
                    opened = IsAboutBox(w);
                    QTest::keyClick(w, Qt::Key_Escape);
                });
            m_dlg.SendMessage(WM_SYSCOMMAND, id, 0);
            QTest::qWait(0);
            EXPECT_EQ(opened, id <= 0x001F) << std::hex << id;
            EXPECT_EQ(QApplication::activeModalWidget(), Window()) << std::hex << id;
        }
    });
}

TEST_F(MainDialogTest, AboutBoxClosesWithOkEscOrItsCloseBox)
{
    const std::vector<std::pair<const char*, std::function<void(QWidget*)>>> ways{
        {"OK", [](QWidget* w) { QTest::mouseClick(w->findChild<QPushButton*>(), Qt::LeftButton); }},
        {"Esc", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }},
        {"close box", [](QWidget* w) { w->close(); }},
    };
    for (const auto& [name, close] : ways) {
        bool closed = false;
        Run([&, close = close] {
            AnswerNextModal(Window(), [&](QWidget* about) {
                close(about);
                closed = WaitUntil([about] { return !about->isVisible(); }, 1000);
            });
            m_dlg.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
            EXPECT_TRUE(Window()->isVisible()) << name;
        });
        EXPECT_TRUE(closed) << name;
    }
}

TEST_F(MainDialogTest, SystemMenuCloseStillEndsTheProgram)
{
    const int result = Run([&] {
        QTest::keyClick(Button(IDOK), Qt::Key_Space, Qt::AltModifier);
        ASSERT_NE(OpenSystemMenu(), nullptr);
        for (QAction* a : OpenSystemMenu()->actions())
            if (a->data().toUInt() == SC_CLOSE)
                a->trigger();
        WaitUntil([&] { return !Window() || !Window()->isVisible(); });
    });
    EXPECT_EQ(result, IDCANCEL);
}
