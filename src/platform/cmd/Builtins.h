#pragma once
// The commands the interpreter carries out itself.

#include <string>
#include <vector>

namespace kestrum::cmd {

// del NAME...: a missing file is reported and skipped; the status stays 0 so a
// clean-up step never looks like a failure.
int Delete(const std::vector<std::string>& names);

// echo on | echo off | echo TEXT | echo (shows the state).
int Echo(const std::string& rawArguments, bool& echoOn);

} // namespace kestrum::cmd
