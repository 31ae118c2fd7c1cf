#include "UploadJob.h"

#include "CommandRunner.h"
#include "FormScreening.h"
#include "ScriptFile.h"

namespace {

// Unquoted, the client would split a path with blanks into several files.
std::string MputArgument(const std::string& path)
{
    if (path.find_first_of(kBlanks) == std::string::npos)
        return path;
    return '"' + path + '"';
}

} // namespace

JobOutcome RunUploadJob(const TransferForm& form)
{
    if (auto problem = ScreenForm(form, JobKind::Upload))
        return JobOutcome::Refused(*problem);

    const std::string username = form.m_strUsername.str();
    const std::string directory = form.m_strDirectory.str();
    const std::string password = form.m_strPassword.str();
    const std::string host = form.m_strHost.str();
    const std::string file = form.m_strFile.str();

    std::string script = username + "\r\n" + password + "\r\n";
    if (directory != "root")
        script += "cd " + directory + "\r\n";
    script += "mput " + MputArgument(file) + "\r\ny\r\nquit";

    // A launcher left by an earlier upload would send that upload's file, so a
    // script that is not complete stops the job before the launcher.
    if (auto problem = WriteScriptFile("cmds.txt", script))
        return JobOutcome::Refused(*problem + " Nothing was sent.");
    if (auto problem = WriteScriptFile("runner.bat", "@echo off\r\nftp -s:cmds.txt " + host))
        return JobOutcome::Refused(*problem + " Nothing was sent.");

    kestrum::RunCommand("runner");
    return JobOutcome::Ran();
}
