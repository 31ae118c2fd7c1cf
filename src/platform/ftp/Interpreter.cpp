#include "Interpreter.h"

#include "InputReader.h"
#include "Transcript.h"
#include "TransferMeter.h"
#include "Words.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <glob.h>
#include <unistd.h>

namespace kestrum::ftp {
namespace {

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string FirstWord(const std::string& line)
{
    const auto words = SplitWords(line);
    return words.empty() ? std::string() : words.front().text;
}

// "user NAME PASS" must not show PASS.
std::string Masked(const std::string& line)
{
    const auto words = SplitWords(line);
    if (words.size() >= 3 && Lowered(words[0].text) == "user")
        return words[0].text + " " + words[1].text + " XXXX";
    return line;
}

std::string BaseName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::vector<std::string> Expand(const Word& word)
{
    // A name that exists is that file, even when it holds pattern characters
    // ("report[1].pdf" must not send "report1.pdf").
    std::error_code error;
    if (word.quoted || std::filesystem::is_regular_file(word.text, error))
        return {word.text};
    glob_t found {};
    std::vector<std::string> files;
    if (glob(word.text.c_str(), 0, nullptr, &found) == 0)
        files.assign(found.gl_pathv, found.gl_pathv + found.gl_pathc);
    globfree(&found);
    return files;
}

} // namespace

Interpreter::Interpreter(const Options& options, InputReader& input, Transcript& transcript, TransferMeter& meter,
                         FtpSession& session)
    : m_options(options)
    , m_input(input)
    , m_transcript(transcript)
    , m_meter(meter)
    , m_session(session)
    , m_prompt(!options.promptOff)
{
}

const Interpreter::Command* Interpreter::find(const std::string& name)
{
    static const Command commands[] = {
        {"open", false, &Interpreter::cmdOpen},     {"user", false, &Interpreter::cmdUser},
        {"close", false, &Interpreter::cmdClose},   {"disconnect", false, &Interpreter::cmdClose},
        {"quit", false, &Interpreter::cmdQuit},     {"bye", false, &Interpreter::cmdQuit},
        {"cd", true, &Interpreter::cmdCd},          {"pwd", true, &Interpreter::cmdPwd},
        {"ls", true, &Interpreter::cmdLs},          {"dir", true, &Interpreter::cmdDir},
        {"put", true, &Interpreter::cmdPut},        {"send", true, &Interpreter::cmdPut},
        {"mput", true, &Interpreter::cmdMput},      {"binary", true, &Interpreter::cmdBinary},
        {"ascii", true, &Interpreter::cmdAscii},    {"lcd", false, &Interpreter::cmdLcd},
        {"hash", false, &Interpreter::cmdHash},     {"prompt", false, &Interpreter::cmdPrompt},
        {"verbose", false, &Interpreter::cmdVerbose}, {"help", false, &Interpreter::cmdHelp},
        {"?", false, &Interpreter::cmdHelp},
    };
    for (const auto& command : commands)
        if (name == command.name)
            return &command;
    return nullptr;
}

int Interpreter::run()
{
    bool failed = false;
    if (m_options.host) {
        const Status status = connect(*m_options.host, {});
        failed = status != Status::Ok;
        // Without a connection the rest of a script has nothing to act on.
        if (failed && !m_input.interactive())
            m_quit = true;
    }
    while (!m_quit) {
        if (m_input.interactive())
            m_transcript.text("ftp> ");
        const auto line = m_input.readLine();
        if (!line)
            break;
        if (FirstWord(*line).empty())
            continue;
        if (!m_input.interactive())
            m_transcript.command(Masked(*line));
        const Status status = execute(*line);
        if (status != Status::Ok)
            failed = true;
        // A script goes on blindly: after a refused login or a failed cd its
        // next commands would act in the wrong place.
        if (status == Status::Fatal && !m_input.interactive())
            break;
    }
    m_session.close();
    return failed ? 1 : 0;
}

Status Interpreter::execute(const std::string& line)
{
    const Command* command = find(Lowered(FirstWord(line)));
    if (!command) {
        m_transcript.line("Invalid command.");
        return Status::Failed;
    }
    if (command->needsConnection && !m_session.connected()) {
        m_transcript.line(m_pendingHost ? "Not logged in." : "Not connected.");
        return Status::Failed;
    }
    return (this->*command->run)(line);
}

std::optional<std::string> Interpreter::ask(const std::string& prompt, bool secret)
{
    if (m_input.interactive())
        m_transcript.text(prompt);
    return secret ? m_input.readSecret() : m_input.readLine();
}

Status Interpreter::connect(const std::string& hostText, const std::string& portText)
{
    const auto host = ParseHostAddress(hostText, portText);
    if (!host) {
        m_transcript.line("Unknown host " + hostText + ".");
        return Status::Failed;
    }
    if (m_options.noAutoLogin) {
        m_pendingHost = host;
        return Status::Ok;
    }
    const auto user = ask("User (" + host->name + ":(none)): ");
    if (!user) {
        m_transcript.line("Login failed: no user name.");
        return Status::Fatal;
    }
    const auto password = ask("Password:", true);
    return m_session.open(*host, *user, password.value_or(""), !m_input.interactive());
}

Status Interpreter::cmdOpen(const std::string& line)
{
    const auto words = SplitWords(line);
    if (m_session.connected() || m_pendingHost) {
        m_transcript.line("Already connected to " + (m_pendingHost ? m_pendingHost->name : m_session.host())
                          + ", use close first.");
        return Status::Failed;
    }
    if (words.size() < 2 || words.size() > 3) {
        m_transcript.line("Usage: open HOST [PORT]");
        return Status::Failed;
    }
    return connect(words[1].text, words.size() == 3 ? words[2].text : std::string());
}

Status Interpreter::cmdUser(const std::string& line)
{
    const auto words = SplitWords(line);
    if (words.size() < 2 || words.size() > 3) {
        m_transcript.line("Usage: user USER-NAME [PASSWORD]");
        return Status::Failed;
    }
    std::optional<std::string> password;
    if (words.size() == 3)
        password = words[2].text;
    return login(words[1].text, password);
}

Status Interpreter::login(const std::string& user, const std::optional<std::string>& password)
{
    std::optional<HostAddress> host = m_pendingHost;
    if (!host && m_session.connected())
        host = ParseHostAddress(m_session.host());
    if (!host) {
        m_transcript.line("Not connected.");
        return Status::Failed;
    }
    const auto pass = password ? password : ask("Password:", true);
    m_pendingHost.reset();
    const Status status = m_session.open(*host, user, pass.value_or(""), false);
    if (!m_session.connected())
        m_pendingHost = host;
    return status;
}

Status Interpreter::cmdClose(const std::string&)
{
    m_session.close();
    m_pendingHost.reset();
    return Status::Ok;
}

Status Interpreter::cmdQuit(const std::string&)
{
    m_quit = true;
    return Status::Ok;
}

Status Interpreter::cmdCd(const std::string& line)
{
    // The rest of the line is the directory: it may hold blanks.
    std::string directory = Unquoted(RestOfLine(line));
    if (directory.empty()) {
        m_transcript.line("Usage: cd REMOTE-DIRECTORY");
        return Status::Failed;
    }
    return m_session.changeDirectory(directory);
}

Status Interpreter::cmdPwd(const std::string&) { return m_session.printWorkingDirectory(); }

Status Interpreter::cmdLs(const std::string& line) { return m_session.list(true, Unquoted(RestOfLine(line))); }

Status Interpreter::cmdDir(const std::string& line) { return m_session.list(false, Unquoted(RestOfLine(line))); }

Status Interpreter::cmdPut(const std::string& line)
{
    const auto words = SplitWords(RestOfLine(line));
    if (words.empty() || words.size() > 2) {
        m_transcript.line("Usage: put LOCAL-FILE [REMOTE-FILE]");
        return Status::Failed;
    }
    const std::string& local = words[0].text;
    return m_session.upload(local, words.size() == 2 ? words[1].text : BaseName(local));
}

bool Interpreter::confirm(const std::string& question)
{
    m_transcript.text(question);
    const auto answer = m_input.readLine();
    if (!m_input.interactive())
        m_transcript.line(answer.value_or(""));
    if (!answer)
        return false;
    const std::string a = Lowered(*answer);
    return a.empty() || a == "y" || a == "yes";
}

Status Interpreter::cmdMput(const std::string& line)
{
    const auto words = SplitWords(RestOfLine(line));
    if (words.empty()) {
        m_transcript.line("Usage: mput LOCAL-FILES");
        return Status::Failed;
    }
    Status result = Status::Ok;
    for (const auto& word : words) {
        const auto files = Expand(word);
        if (files.empty()) {
            m_transcript.line(word.text + ": File not found.");
            result = Status::Failed;
            continue;
        }
        for (const auto& file : files) {
            std::error_code error;
            if (!std::filesystem::is_regular_file(file, error)) {
                m_transcript.line(file + (std::filesystem::exists(file, error) ? ": not a plain file." : ": File not found."));
                result = Status::Failed;
                continue;
            }
            if (m_prompt && !confirm("mput " + file + "? "))
                continue;
            if (m_session.upload(file, BaseName(file)) != Status::Ok)
                result = Status::Failed;
        }
    }
    return result;
}

Status Interpreter::cmdBinary(const std::string&) { return m_session.setBinary(true); }

Status Interpreter::cmdAscii(const std::string&) { return m_session.setBinary(false); }

Status Interpreter::cmdLcd(const std::string& line)
{
    std::string directory = Unquoted(RestOfLine(line));
    if (directory.empty()) {
        const char* home = std::getenv("HOME");
        directory = home ? home : "/";
    }
    if (chdir(directory.c_str()) != 0) {
        m_transcript.line(directory + ": " + std::strerror(errno) + ".");
        return Status::Failed;
    }
    std::error_code error;
    m_transcript.line("Local directory now " + std::filesystem::current_path(error).string() + ".");
    return Status::Ok;
}

Status Interpreter::cmdHash(const std::string&)
{
    m_meter.setHashMarks(!m_meter.hashMarks());
    m_transcript.line(m_meter.hashMarks() ? "Hash mark printing On  ftp: (2048 bytes/hash mark) ."
                                          : "Hash mark printing Off .");
    return Status::Ok;
}

Status Interpreter::cmdPrompt(const std::string&)
{
    m_prompt = !m_prompt;
    m_transcript.line(m_prompt ? "Interactive mode On ." : "Interactive mode Off .");
    return Status::Ok;
}

Status Interpreter::cmdVerbose(const std::string&)
{
    m_transcript.setVerbose(!m_transcript.verbose());
    m_transcript.line(m_transcript.verbose() ? "Verbose mode On ." : "Verbose mode Off .");
    return Status::Ok;
}

Status Interpreter::cmdHelp(const std::string&)
{
    m_transcript.line("Commands: ascii binary bye cd close dir hash lcd ls mput open prompt put pwd quit user verbose");
    return Status::Ok;
}

} // namespace kestrum::ftp
