#pragma once
// Reads commands (after the login lines) and runs them against the session.

#include "CommandLine.h"
#include "FtpSession.h"

#include <optional>
#include <string>

namespace kestrum::ftp {

class InputReader;
class Transcript;
class TransferMeter;

class Interpreter {
public:
    Interpreter(const Options& options, InputReader& input, Transcript& transcript, TransferMeter& meter,
                FtpSession& session);

    // Runs until quit or the end of input; returns the exit status.
    int run();

private:
    struct Command {
        const char* name;
        bool needsConnection;
        Status (Interpreter::*run)(const std::string& line);
    };
    static const Command* find(const std::string& name);

    Status execute(const std::string& line);
    Status connect(const std::string& hostText, const std::string& portText);
    Status login(const std::string& user, const std::optional<std::string>& password);
    std::optional<std::string> ask(const std::string& prompt, bool secret = false);
    bool confirm(const std::string& question);

    Status cmdOpen(const std::string& line);
    Status cmdUser(const std::string& line);
    Status cmdClose(const std::string& line);
    Status cmdQuit(const std::string& line);
    Status cmdCd(const std::string& line);
    Status cmdPwd(const std::string& line);
    Status cmdLs(const std::string& line);
    Status cmdDir(const std::string& line);
    Status cmdPut(const std::string& line);
    Status cmdMput(const std::string& line);
    Status cmdBinary(const std::string& line);
    Status cmdAscii(const std::string& line);
    Status cmdLcd(const std::string& line);
    Status cmdHash(const std::string& line);
    Status cmdPrompt(const std::string& line);
    Status cmdVerbose(const std::string& line);
    Status cmdHelp(const std::string& line);

    const Options& m_options;
    InputReader& m_input;
    Transcript& m_transcript;
    TransferMeter& m_meter;
    FtpSession& m_session;
    bool m_prompt;
    bool m_quit = false;
    std::optional<HostAddress> m_pendingHost; // opened with -n, not logged in yet
};

} // namespace kestrum::ftp
