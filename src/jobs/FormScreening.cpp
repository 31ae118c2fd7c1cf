#include "FormScreening.h"

namespace {

std::optional<std::string> ScreenLine(const std::string& value, const char* field)
{
    if (value.find_first_of("\r\n") != std::string::npos)
        return std::string("The ") + field + " contains a line break; please remove it.";
    if (value.find('\0') != std::string::npos)
        return std::string("The ") + field + " contains a NUL character; please remove it.";
    return std::nullopt;
}

// Blanks before or after the address only separate it from the script option,
// as the interpreter splits at runs of blanks, so they are written as typed.
bool HasInnerBlank(const std::string& host)
{
    const auto first = host.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return false;
    const auto last = host.find_last_not_of(kBlanks);
    return host.find_first_of(kBlanks, first) < last;
}

std::optional<std::string> ScreenHost(const std::string& host)
{
    if (auto problem = ScreenLine(host, "server address"))
        return problem;
    if (host.find_first_of("&|<>^%\"") != std::string::npos || HasInnerBlank(host))
        return std::string("The server address may not contain spaces or any of & | < > ^ % \" .");
    // The client would take such an address for one of its options.
    if (const auto first = host.find_first_not_of(kBlanks); first != std::string::npos && host[first] == '-')
        return std::string("The server address may not start with '-'.");
    return std::nullopt;
}

// A path with blanks is quoted for the client, which has no way to escape a
// quote inside quotes.
std::optional<std::string> ScreenFilePath(const std::string& path)
{
    if (auto problem = ScreenLine(path, "file path"))
        return problem;
    if (path.find('"') != std::string::npos && path.find_first_of(kBlanks) != std::string::npos)
        return std::string("The file path may not contain a double quote when it contains spaces; "
                           "please rename the file or its folder.");
    return std::nullopt;
}

} // namespace

std::optional<std::string> ScreenForm(const TransferForm& form, JobKind kind)
{
    if (auto problem = ScreenLine(form.m_strUsername.str(), "user name"))
        return problem;
    if (auto problem = ScreenLine(form.m_strPassword.str(), "password"))
        return problem;
    if (auto problem = ScreenHost(form.m_strHost.str()))
        return problem;
    if (kind == JobKind::DirectoryList)
        return std::nullopt;
    if (auto problem = ScreenLine(form.m_strDirectory.str(), "remote directory"))
        return problem;
    return ScreenFilePath(form.m_strFile.str());
}
