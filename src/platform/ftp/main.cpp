// Kestrum's scriptable FTP client: ftp [-s:FILE] [-v] [-i] [-n] [HOST]

#include "CommandLine.h"
#include "FtpSession.h"
#include "InputReader.h"
#include "Interpreter.h"
#include "Transcript.h"
#include "TransferMeter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <curl/curl.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    using namespace kestrum::ftp;
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "ftp: %s\nusage: ftp [-s:FILE] [-v] [-i] [-n] [HOST[:PORT]]\n", parsed.error.c_str());
        return 2;
    }
    const Options& options = parsed.options;

    std::FILE* input = stdin;
    if (options.scriptFile) {
        input = std::fopen(options.scriptFile->c_str(), "rb");
        if (!input) {
            std::fprintf(stderr, "ftp: cannot open %s: %s\n", options.scriptFile->c_str(), std::strerror(errno));
            return 2;
        }
    }
    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        std::fputs("ftp: cannot initialise libcurl\n", stderr);
        return 2;
    }
    int status = 0;
    {
        InputReader reader(input);
        Transcript transcript(options.verbose);
        TransferMeter meter(false, isatty(STDOUT_FILENO) != 0);
        FtpSession session(transcript, meter);
        Interpreter interpreter(options, reader, transcript, meter, session);
        status = interpreter.run();
    }
    curl_global_cleanup();
    return status;
}
