#include "DialogTestSupport.h"
#include "DialogUnits.h"
#include "LocalFtpServer.h"
#include "Resources.h"

#include <QLabel>
#include <filesystem>

using namespace kestrum::test;
namespace fs = std::filesystem;

TEST_F(MainDialogTest, OpensWithFiveEmptyFieldsAndTheFocusOnUpload)
{
    Run([&] {
        for (int id : {IDC_FILE, IDC_HOST, IDC_USERNAME, IDC_PASSWORD, IDC_DIRECTORY})
            EXPECT_TRUE(Edit(id)->text().isEmpty()) << id;
        EXPECT_EQ(Window()->focusWidget(), Button(IDOK));
        EXPECT_TRUE(Button(IDOK)->isDefault());
        EXPECT_EQ(Window()->windowTitle(), "Kestrum");
    });
}

TEST_F(MainDialogTest, ControlsSitWhereTheTemplatePutsThemInTabOrder)
{
    Run([&] {
        const auto& t = framework::LoadDialogTemplate(IDD_KESTRUM_DIALOG);
        const auto units = framework::BaseUnitsOf(Window()->font());
        EXPECT_EQ(Window()->size(), framework::MapDialogRect(units, 0, 0, t.cx, t.cy).size());
        const auto children = Window()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(children.size(), 16);
        ASSERT_EQ(t.controls.size(), 16u);
        for (size_t i = 0; i < t.controls.size(); ++i) {
            const auto& c = t.controls[i];
            QWidget* w = children[static_cast<int>(i)];
            EXPECT_EQ(w->geometry(), framework::MapDialogRect(units, c.x, c.y, c.cx, c.cy)) << c.text;
            EXPECT_TRUE(w->isVisible()) << c.text;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                EXPECT_EQ(label->text().toStdString(), c.text);
            }
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                EXPECT_EQ(button->text().toStdString(), c.text);
            }
        }
        // Tab order is template order: Upload, Cancel, the file field, ...
        std::vector<QWidget*> order{Button(IDOK)};
        for (int guard = 0; guard < 20 && order.size() < 10; ++guard) {
            QWidget* next = order.back()->nextInFocusChain();
            while (next && !(next->focusPolicy() & Qt::TabFocus))
                next = next->nextInFocusChain();
            order.push_back(next);
        }
        const std::vector<QWidget*> expected{Button(IDOK),       Button(IDCANCEL),    Edit(IDC_FILE),
                                             Edit(IDC_HOST),     Edit(IDC_USERNAME),  Edit(IDC_PASSWORD),
                                             Edit(IDC_DIRECTORY), Button(IDC_DIRLIST), Button(IDC_BROWSE),
                                             Button(IDOK)};
        EXPECT_EQ(order, expected);
    });
}

TEST_F(MainDialogTest, EnterInAnyFieldRunsUploadAndTheDialogStaysOpen)
{
    for (int id : {IDC_FILE, IDC_HOST, IDC_USERNAME, IDC_PASSWORD, IDC_DIRECTORY}) {
        fs::remove(m_dir / "cmds.txt");
        const int result = Run([&] {
            Type({"local.bin", "", "user" + std::to_string(id), "pw", "root"});
            Edit(id)->setFocus();
            QTest::keyClick(Edit(id), Qt::Key_Return);
            EXPECT_TRUE(Window()->isVisible()) << id;
            EXPECT_EQ(m_dlg.m_strUsername.str(), "user" + std::to_string(id));
            ASSERT_TRUE(fs::exists(m_dir / "cmds.txt")) << id;
            EXPECT_EQ(ReadFile(m_dir / "cmds.txt"), "user" + std::to_string(id) + "\r\npw\r\nmput local.bin\r\ny\r\nquit");
            EXPECT_EQ(Edit(IDC_FILE)->text(), "local.bin"); // fields unchanged
        });
        EXPECT_EQ(result, -1) << "only the test's own clean-up ended the run";
    }
}

TEST_F(MainDialogTest, EscCancelAndTheCloseBoxEndTheRunWithoutReadingTheFields)
{
    const std::vector<std::pair<const char*, std::function<void(MainDialogTest&)>>> ways{
        {"Esc", [](MainDialogTest& t) { QTest::keyClick(t.Edit(IDC_HOST), Qt::Key_Escape); }},
        {"Cancel", [](MainDialogTest& t) { QTest::mouseClick(t.Button(IDCANCEL), Qt::LeftButton); }},
        {"close box", [](MainDialogTest& t) { t.Window()->close(); }},
    };
    for (const auto& [name, close] : ways) {
        const int result = Run([&, close = close] {
            Type({"f", "h", "u", "p", "d"});
            close(*this);
        });
        EXPECT_EQ(result, IDCANCEL) << name;
        EXPECT_TRUE(m_dlg.m_strFile.IsEmpty() && m_dlg.m_strHost.IsEmpty() && m_dlg.m_strUsername.IsEmpty() &&
                    m_dlg.m_strPassword.IsEmpty() && m_dlg.m_strDirectory.IsEmpty())
            << name;
        EXPECT_FALSE(fs::exists(m_dir / "cmds.txt")) << name;
    }
}

TEST_F(MainDialogTest, PasswordIsMaskedOnScreenAndClearInItsMember)
{
    Run([&] {
        Type({"", "", "", "s3cret pass", "root"});
        EXPECT_EQ(Edit(IDC_PASSWORD)->echoMode(), QLineEdit::Password);
        EXPECT_FALSE(Edit(IDC_PASSWORD)->displayText().contains("s3cret"));
        m_dlg.UpdateData(true);
        EXPECT_EQ(m_dlg.m_strPassword.str(), "s3cret pass");
    });
}

TEST_F(MainDialogTest, FieldsTakeTextOfAnyLengthAndAnyByte)
{
    const std::string longPath(100000, 'x');
    const std::string accented = "r\xc3\xa9sum\xc3\xa9 \xe2\x82\xac.txt"; // UTF-8, the locale's code page
    Run([&] {
        m_dlg.m_strFile = longPath;
        m_dlg.m_strDirectory = accented;
        m_dlg.UpdateData(false);
        m_dlg.m_strFile = "";
        m_dlg.m_strDirectory = "";
        m_dlg.UpdateData(true);
    });
    EXPECT_EQ(m_dlg.m_strFile.str(), longPath);
    EXPECT_EQ(m_dlg.m_strDirectory.str(), accented);
}

TEST_F(MainDialogTest, RefusedInputIsExplainedAndTheFormKeepsItsValues)
{
    framework::MessageBoxSeam::AnswerWith(IDOK);
    Run([&] {
        Type({"local.bin", "127.0.0.1 & touch pwned", "user", "pw", "root"});
        QTest::mouseClick(Button(IDOK), Qt::LeftButton);
        EXPECT_EQ(Edit(IDC_HOST)->text(), "127.0.0.1 & touch pwned");
    });
    ASSERT_EQ(framework::MessageBoxSeam::Shown().size(), 1u);
    EXPECT_NE(framework::MessageBoxSeam::Shown()[0].find("server address"), std::string::npos)
        << framework::MessageBoxSeam::Shown()[0];
    EXPECT_FALSE(fs::exists(m_dir / "cmds.txt"));
    EXPECT_FALSE(fs::exists(m_dir / "runner.bat"));
    EXPECT_FALSE(fs::exists(m_dir / "pwned"));
}

TEST(MainDialogIcon, MinimisedIconIsCentredRoundingTowardZero)
{
    struct Case {
        int clientWidth;
        int expectedX;
    };
    for (const Case& c : {Case{36, 2}, Case{31, 0}, Case{30, 0}, Case{100, 34}}) {
        const CPoint origin = CKestrumDlg::IconOrigin(CRect{0, 0, c.clientWidth, c.clientWidth}, 32, 32);
        EXPECT_EQ(origin.x, c.expectedX) << c.clientWidth;
        EXPECT_EQ(origin.y, c.expectedX) << c.clientWidth;
    }
}

TEST_F(MainDialogTest, TypedUploadArrivesByteIdenticalOnTheServer)
{
    TempDir serverRoot;
    fs::create_directories(serverRoot.path() / "site" / "www");
    LocalFtpServer server(serverRoot.path().string() + "/site", "webmaster", "open sesame");
    const std::string payload("line one\r\nline two\n\0\x01\xff end", 27);
    WriteFile(m_dir / "page data.bin", payload);

    Run([&] {
        Type({m_dir / "page data.bin", server.address(), "webmaster", "open sesame", "www"});
        QTest::mouseClick(Button(IDOK), Qt::LeftButton);
        EXPECT_TRUE(Window()->isVisible());
    });
    const fs::path arrived = serverRoot.path() / "site" / "www" / "page data.bin";
    ASSERT_TRUE(fs::exists(arrived));
    EXPECT_EQ(ReadFile(arrived), payload);
}

TEST_F(MainDialogTest, DirectoryListShowsTheLoginDirectoryAndCleansUpAfterItself)
{
    TempDir serverRoot;
    WriteFile(serverRoot.path() / "index.html", "<html></html>");
    LocalFtpServer server(serverRoot.path().string(), "webmaster", "pw");
    WriteFile(m_dir / "cmds.txt", "an earlier upload");
    WriteFile(m_dir / "runner.bat", "its launcher");

    std::string listing;
    Run([&] {
        Type({"ignored.bin", server.address(), "webmaster", "pw", "ignored-dir"});
        listing = CaptureStdout([&] { QTest::mouseClick(Button(IDC_DIRLIST), Qt::LeftButton); });
        EXPECT_TRUE(Window()->isVisible());
        EXPECT_EQ(Edit(IDC_DIRECTORY)->text(), "ignored-dir");
    });
    EXPECT_NE(listing.find("index.html"), std::string::npos) << listing;
    EXPECT_FALSE(fs::exists(m_dir / "dircmds.txt"));
    EXPECT_FALSE(fs::exists(m_dir / "dirfind.bat"));
    EXPECT_EQ(ReadFile(m_dir / "cmds.txt"), "an earlier upload");
    EXPECT_EQ(ReadFile(m_dir / "runner.bat"), "its launcher");
}

TEST_F(MainDialogTest, MinimisedWindowDrawsTheApplicationIconInTheMiddle)
{
    Run([&] {
        Window()->showMinimized();
        ASSERT_TRUE(m_dlg.IsIconic());
        const QImage shot = Window()->grab().toImage();
        CRect client;
        m_dlg.GetClientRect(&client);
        const CPoint origin = CKestrumDlg::IconOrigin(client, 32, 32);
        // The icon's tile is pure blue just inside its border; the rest is background.
        EXPECT_EQ(shot.pixelColor(origin.x + 3, origin.y + 3), QColor(0, 0, 255));
        EXPECT_EQ(shot.pixelColor(origin.x - 4, origin.y + 3), Window()->palette().color(QPalette::Window));
        EXPECT_EQ(m_dlg.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(m_dlg.m_hIcon));
        Window()->showNormal();
    });
}
