// cmd /c LINE: Kestrum's command interpreter. LINE is a batch file name or a
// single command; see Interpreter.h.

#include "Interpreter.h"
#include "TextCase.h"

#include <cstdio>
#include <string>

namespace {

// Exit statuses are 8 bits wide here, so 9009 cannot pass through as it is
// (it would arrive as 49, which a program may return too). It leaves as 127,
// what POSIX shells report for a command that was not found.
int ExitCode(int status)
{
    return status == kestrum::cmd::kNotRecognized ? 127 : status & 0xFF;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || !kestrum::cmd::EqualsIgnoreCase(argv[1], "/c")) {
        std::fputs("usage: cmd /c COMMAND-LINE\n", stderr);
        return 1;
    }
    std::string line;
    for (int i = 2; i < argc; ++i) {
        if (i > 2)
            line += ' ';
        line += argv[i];
    }
    kestrum::cmd::Interpreter interpreter;
    return ExitCode(interpreter.RunLine(line));
}
