#pragma once
// Refuses form values that would change what the jobs' files say: a line break
// or NUL adds FTP commands to a script, and in the server address a blank
// between words, or a character the command interpreter gives a meaning of
// its own, adds arguments or commands to a launcher.

#include "TransferForm.h"

#include <optional>
#include <string>
#include <string_view>

// The FTP client and the command interpreter split words at these.
inline constexpr std::string_view kBlanks = " \t";

enum class JobKind { Upload, DirectoryList };

// Checks the fields the job of `kind` writes. Returns a message for the user
// naming the first offending field, or nothing when all are safe.
[[nodiscard]] std::optional<std::string> ScreenForm(const TransferForm& form, JobKind kind);
