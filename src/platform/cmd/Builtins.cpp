#include "Builtins.h"

#include "CommandLine.h"
#include "TextCase.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace kestrum::cmd {

int Delete(const std::vector<std::string>& names)
{
    if (names.empty()) {
        std::fputs("The syntax of the command is incorrect.\n", stderr);
        return 1;
    }
    for (const std::string& name : names) {
        std::error_code error;
        const std::string fullPath = fs::absolute(name, error).lexically_normal().string();
        const fs::file_status status = fs::symlink_status(name, error);
        if (!fs::exists(status)) {
            std::fprintf(stderr, "Could Not Find %s\n", fullPath.c_str());
            continue;
        }
        if (fs::is_directory(status) || !fs::remove(name, error))
            std::fprintf(stderr, "Could Not Delete %s: %s\n", fullPath.c_str(),
                         error ? error.message().c_str() : "Is a directory");
    }
    return 0;
}

int Echo(const std::string& rawArguments, bool& echoOn)
{
    // One separator after the word belongs to the command, the rest is text.
    std::string_view text = rawArguments;
    if (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);

    const std::string_view word = TrimBlanks(text);
    if (word.empty())
        std::fputs(echoOn ? "ECHO is on.\n" : "ECHO is off.\n", stdout);
    else if (EqualsIgnoreCase(word, "on"))
        echoOn = true;
    else if (EqualsIgnoreCase(word, "off"))
        echoOn = false;
    else
        std::printf("%.*s\n", static_cast<int>(text.size()), text.data());
    return 0;
}

} // namespace kestrum::cmd
