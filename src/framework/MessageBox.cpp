#include "MessageBox.h"

#include "QtText.h"
#include "CWinApp.h"
#include "CWnd.h"

#include <QMessageBox>
#include <optional>

using framework::ToQt;

namespace {
std::optional<int> g_answer;
std::vector<std::string> g_shown;
} // namespace

int AfxMessageBox(const char* text, UINT type)
{
    if (g_answer) {
        g_shown.emplace_back(text ? text : "");
        return *g_answer;
    }
    CWnd* main = AfxGetMainWnd();
    CWinApp* app = AfxGetApp();
    QMessageBox box(type & MB_ICONWARNING ? QMessageBox::Warning : QMessageBox::NoIcon,
                    ToQt(app && app->m_pszAppName ? app->m_pszAppName : "Kestrum"),
                    ToQt(text), QMessageBox::Ok, main ? main->widget() : nullptr);
    box.exec();
    return IDOK;
}

namespace framework {

void MessageBoxSeam::AnswerWith(int answer)
{
    g_answer = answer;
    g_shown.clear();
}

void MessageBoxSeam::Reset()
{
    g_answer.reset();
    g_shown.clear();
}

const std::vector<std::string>& MessageBoxSeam::Shown()
{
    return g_shown;
}

} // namespace framework
