#pragma once
// Writes one of the jobs' working files into the current working directory.

#include <optional>
#include <string>

// Creates or empties `name` and writes `bytes` exactly (line ends are already
// CR LF in them). The file ends up readable and writable by its owner only,
// whether it was created or already there. Returns nothing when the whole file
// is written, otherwise a message naming the file and the cause.
[[nodiscard]] std::optional<std::string> WriteScriptFile(const std::string& name, const std::string& bytes);
