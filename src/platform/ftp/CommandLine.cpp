#include "CommandLine.h"

namespace kestrum::ftp {

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv)
{
    ParsedCommandLine parsed;
    Options& o = parsed.options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (o.host) {
            // Whatever follows HOST is never acted on.
            parsed.error = "unexpected argument after host: " + arg;
            return parsed;
        }
        if (arg.size() > 1 && arg[0] == '-') {
            if (arg.rfind("-s:", 0) == 0 && arg.size() > 3)
                o.scriptFile = arg.substr(3);
            else if (arg == "-v")
                o.verbose = true;
            else if (arg == "-i")
                o.promptOff = true;
            else if (arg == "-n")
                o.noAutoLogin = true;
            else {
                parsed.error = "unknown option: " + arg;
                return parsed;
            }
            continue;
        }
        o.host = arg;
    }
    return parsed;
}

} // namespace kestrum::ftp
