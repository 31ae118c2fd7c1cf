#pragma once
// Kestrum's stand-in for the C run-time's system(): hands one command line to
// Kestrum's own command interpreter and waits until it has finished.

#include <string>

namespace kestrum {

// Runs `commandLine` as `cmd /c commandLine` in the current working directory.
// The interpreter is found next to the running executable (../libexec/kestrum/cmd),
// never through PATH. Its output goes to this process's stdout and stderr.
// Returns the interpreter's exit status, or -1 if it could not be started.
int RunCommand(const std::string& commandLine);

// Directory holding the interpreter and the FTP client.
std::string ToolDirectory();

} // namespace kestrum
