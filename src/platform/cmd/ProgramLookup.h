#pragma once
// Where a command name leads: a batch file in the working directory, or a program.

#include <optional>
#include <string>

namespace kestrum::cmd {

// NAME.bat, then NAME.cmd, in the working directory; NAME itself if it already
// carries one of those extensions.
std::optional<std::string> FindBatchFile(const std::string& name);

// The interpreter's own directory first, so its sibling tools win over
// anything of the same name on PATH; then PATH. A name with a slash is taken
// as a path.
std::optional<std::string> FindProgram(const std::string& name);

} // namespace kestrum::cmd
