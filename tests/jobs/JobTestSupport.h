#pragma once
// Helpers shared by the job tests.

#include "TransferForm.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace kestrum::test {

// A form that both jobs accept; its host refuses connections at once.
TransferForm ValidForm();

// `form` with one field replaced.
TransferForm With(TransferForm form, CString TransferForm::*field, const std::string& value);

// Every entry of `dir` by name, with a regular file's bytes or "<dir>".
std::map<std::string, std::string> Snapshot(const std::filesystem::path& dir);

} // namespace kestrum::test
