#include "DirectoryListJob.h"

#include "CommandRunner.h"
#include "FormScreening.h"
#include "ScriptFile.h"

#include <unistd.h>

JobOutcome RunDirectoryListJob(const TransferForm& form)
{
    if (auto problem = ScreenForm(form, JobKind::DirectoryList))
        return JobOutcome::Refused(*problem);

    const std::string username = form.m_strUsername.str();
    const std::string password = form.m_strPassword.str();
    const std::string host = form.m_strHost.str();

    if (auto problem = WriteScriptFile("dircmds.txt", username + "\r\n" + password + "\r\nls\r\n"))
        return JobOutcome::Refused(*problem + " Nothing was listed.");
    if (auto problem = WriteScriptFile("dirfind.bat", "@echo off\r\nftp -s:dircmds.txt " + host)) {
        // No run follows to delete the script, and it holds the password.
        ::unlink("dircmds.txt");
        return JobOutcome::Refused(*problem + " Nothing was listed.");
    }

    kestrum::RunCommand("dirfind");
    kestrum::RunCommand("del dircmds.txt");
    kestrum::RunCommand("del dirfind.bat");
    return JobOutcome::Ran();
}
