#include "DialogTestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <filesystem>

using namespace kestrum::test;
namespace fs = std::filesystem;

namespace {

QLineEdit* FileNameEdit(QFileDialog* dialog) { return dialog->findChild<QLineEdit*>("fileNameEdit"); }

bool Lists(QFileDialog* dialog, const QString& name)
{
    auto* view = dialog->findChild<QAbstractItemView*>("listView");
    if (!view || !view->model())
        return false;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row)
        if (view->model()->index(row, 0, root).data().toString() == name)
            return true;
    return false;
}

} // namespace

class BrowseTest : public MainDialogTest {
protected:
    void SetUp() override
    {
        fs::create_directories(m_files.path() / "sub");
        WriteFile(m_files / "README", "no dot in this name");
        WriteFile(m_files / "site.tar.gz", "x");
    }
    void TypeOthers() { Type({"typed/path.bin", "ftp.example.test", "me", "pw", "www"}); }
    void ExpectOthersKept()
    {
        EXPECT_EQ(Edit(IDC_HOST)->text(), "ftp.example.test");
        EXPECT_EQ(Edit(IDC_USERNAME)->text(), "me");
        EXPECT_EQ(Edit(IDC_PASSWORD)->text(), "pw");
        EXPECT_EQ(Edit(IDC_DIRECTORY)->text(), "www");
    }
    TempDir m_files;
};

TEST_F(BrowseTest, ChoosingAFileReplacesTheFileFieldWithItsFullPath)
{
    const fs::path cwdBefore = fs::current_path();
    Run([&] {
        TypeOthers();
        AnswerNextModal(Window(), [&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->parentWidget(), Window());
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
            EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
            EXPECT_TRUE(dialog->isSizeGripEnabled());
            EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(types, nullptr);
            ASSERT_EQ(types->count(), 1);
            EXPECT_EQ(types->itemText(0), "All Files(*.*)");

            dialog->setDirectory(QString::fromStdString(m_files.path().string()));
            EXPECT_TRUE(WaitUntil([&] { return Lists(dialog, "README") && Lists(dialog, "site.tar.gz"); }))
                << "\"*.*\" matches every file, names without a dot included";
            QTest::keyClicks(FileNameEdit(dialog), "README");
            QTest::keyClick(FileNameEdit(dialog), Qt::Key_Return);
        });
        QTest::mouseClick(Button(IDC_BROWSE), Qt::LeftButton);
        EXPECT_EQ(Edit(IDC_FILE)->text().toStdString(), (m_files.path() / "README").string());
        ExpectOthersKept();
    });
    EXPECT_EQ(m_dlg.m_strFile.str(), (m_files.path() / "README").string());
    EXPECT_EQ(fs::current_path(), cwdBefore);
}

TEST_F(BrowseTest, CancellingLeavesAllFiveFieldsAsTheyWere)
{
    Run([&] {
        TypeOthers();
        AnswerNextModal(Window(), [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QTest::mouseClick(Button(IDC_BROWSE), Qt::LeftButton);
        EXPECT_EQ(Edit(IDC_FILE)->text(), "typed/path.bin");
        ExpectOthersKept();
    });
}

TEST_F(BrowseTest, ANameThatDoesNotExistCannotBeChosen)
{
    bool warned = false;
    Run([&] {
        TypeOthers();
        AnswerNextModal(Window(), [&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->setDirectory(QString::fromStdString(m_files.path().string()));
            AnswerNextModal(dialog, [&](QWidget* box) {
                warned = qobject_cast<QMessageBox*>(box) != nullptr;
                QTest::keyClick(box, Qt::Key_Escape);
            });
            QTest::keyClicks(FileNameEdit(dialog), "missing.bin");
            QTest::keyClick(FileNameEdit(dialog), Qt::Key_Return);
            EXPECT_TRUE(WaitUntil([&] { return warned; }));
            EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open on a missing name";
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(Button(IDC_BROWSE), Qt::LeftButton);
        EXPECT_EQ(Edit(IDC_FILE)->text(), "typed/path.bin");
        ExpectOthersKept();
    });
    EXPECT_TRUE(warned);
}
