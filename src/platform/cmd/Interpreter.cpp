#include "Interpreter.h"

#include "BatchFile.h"
#include "Builtins.h"
#include "ChildProcess.h"
#include "CommandLine.h"
#include "ProgramLookup.h"
#include "TextCase.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kestrum::cmd {

namespace {

// Leading blanks and '@' (which keeps a line from being echoed) are not part of the command.
std::string_view StripPrefix(std::string_view line, bool& silent)
{
    line = TrimBlanks(line);
    silent = false;
    while (!line.empty() && line.front() == '@') {
        silent = true;
        line = TrimBlanks(line.substr(1));
    }
    return line;
}

void EchoCommand(std::string_view line)
{
    std::error_code error;
    const std::string cwd = std::filesystem::current_path(error).string();
    std::printf("\n%s>%.*s\n", cwd.c_str(), static_cast<int>(line.size()), line.data());
}

} // namespace

int Interpreter::RunLine(std::string_view line)
{
    bool silent = false;
    line = StripPrefix(line, silent);
    return line.empty() ? 0 : Execute(line);
}

int Interpreter::RunBatchFile(const std::string& path)
{
    const auto lines = ReadBatchLines(path);
    if (!lines) {
        std::fprintf(stderr, "The batch file cannot be found: %s\n", path.c_str());
        return 1;
    }
    int status = 0;
    for (const std::string& raw : *lines) {
        bool silent = false;
        const std::string_view line = StripPrefix(raw, silent);
        if (line.empty())
            continue;
        if (m_echoOn && !silent)
            EchoCommand(line);
        status = Execute(line);
    }
    return status;
}

int Interpreter::Execute(std::string_view line)
{
    const Command command = ParseCommand(line);
    if (EqualsIgnoreCase(command.name, "echo"))
        return Echo(command.rawArguments, m_echoOn);
    if (EqualsIgnoreCase(command.name, "del"))
        return Delete(command.arguments);
    if (const auto batch = FindBatchFile(command.name))
        return RunBatchFile(*batch);

    if (const auto program = FindProgram(command.name)) {
        std::vector<std::string> argv{command.name};
        argv.insert(argv.end(), command.arguments.begin(), command.arguments.end());
        const kestrum::ChildResult result = kestrum::RunProgram(*program, argv);
        if (result.spawnError == 0)
            return result.status;
        std::fprintf(stderr, "'%s' cannot be run: %s\n", command.name.c_str(), std::strerror(result.spawnError));
        return kCannotRun;
    }

    std::fprintf(stderr,
                 "'%s' is not recognized as an internal or external command,\n"
                 "operable program or batch file.\n",
                 command.name.c_str());
    return kNotRecognized;
}

} // namespace kestrum::cmd
