#pragma once
// The program's resources: dialog templates, strings, icons and the version
// record, kept as declarative data in res/ and compiled into the binary.

#include "DialogTemplate.h"
#include "WinTypes.h"

#include <map>
#include <string>

namespace framework {

// Throws std::runtime_error if the resource file has no such template.
const DialogTemplate& LoadDialogTemplate(unsigned id);
// Empty if the string table has no such string.
std::string LoadStringResource(unsigned id);
// Null if there is no such icon. Icons live as long as the process.
HICON LoadIconResource(unsigned id);
// The version record's string block, key to value.
std::map<std::string, std::string> VersionStrings();

} // namespace framework
