#include "CFileDialog.h"

#include "QtText.h"
#include "CWnd.h"

#include <QFileDialog>
#include <sstream>

namespace framework {

std::vector<NameFilter> ParseFilter(const std::string& filter)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    std::vector<NameFilter> out;
    for (size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
        std::string patterns;
        std::istringstream in(parts[i + 1]);
        for (std::string p; std::getline(in, p, ';');) {
            if (p == "*.*")
                p = "*";
            patterns += (patterns.empty() ? "" : " ") + p;
        }
        out.push_back({parts[i], patterns});
    }
    return out;
}

} // namespace framework

using framework::FromQt;
using framework::ToQt;

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName, unsigned long flags,
                         const char* filter, CWnd* parent)
    : m_bOpen(openFileDialog), m_defaultExtension(defaultExtension), m_fileName(fileName), m_flags(flags),
      m_filter(filter), m_pParent(parent)
{
}

int CFileDialog::DoModal()
{
    // Qt's own dialog, not the desktop's: it behaves the same on every desktop
    // and honours the flags below.
    QFileDialog dialog(m_pParent ? m_pParent->widget() : nullptr);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(m_bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_bOpen && (m_flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setSizeGripEnabled((m_flags & OFN_ENABLESIZING) != 0);
    if (!m_defaultExtension.IsEmpty())
        dialog.setDefaultSuffix(ToQt(m_defaultExtension));
    if (!m_fileName.IsEmpty())
        dialog.selectFile(ToQt(m_fileName));

    // Show each entry's name as written; Qt takes the patterns from the
    // parenthesised tail, which HideNameFilterDetails keeps off screen.
    QStringList filters;
    for (const auto& f : framework::ParseFilter(m_filter.str()))
        filters << ToQt(f.shown) + QStringLiteral(" (") +
                       ToQt(f.patterns) + QLatin1Char(')');
    if (!filters.isEmpty()) {
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(filters);
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return 2;
    m_pathName = FromQt(dialog.selectedFiles().constFirst());
    return 1;
}
