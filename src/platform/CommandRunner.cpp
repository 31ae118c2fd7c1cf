#include "CommandRunner.h"
namespace kestrum {
int RunCommand(const std::string&) { return -1; }
std::string ToolDirectory() { return {}; }
}
