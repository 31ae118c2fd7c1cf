#pragma once
// Reading a batch file into the command lines it holds.

#include <optional>
#include <string>
#include <vector>

namespace kestrum::cmd {

// Lines end in CR LF or LF, the last may have no end at all; blank lines are
// dropped. Empty if the file cannot be read.
std::optional<std::vector<std::string>> ReadBatchLines(const std::string& path);

} // namespace kestrum::cmd
