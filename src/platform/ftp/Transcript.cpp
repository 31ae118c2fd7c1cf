#include "Transcript.h"

#include <cctype>
#include <cstdio>

namespace kestrum::ftp {
namespace {

// Replies the user asked for by the command itself; the rest (EPSV, PWD at
// login, the TYPE and CWD libcurl sends on its own) is noise unless -v.
const std::set<std::string> kAlwaysShown = {"", "USER", "PASS", "ACCT", "STOR", "LIST", "NLST", "RETR", "QUIT"};

std::string Trimmed(std::string_view data)
{
    while (!data.empty() && (data.back() == '\n' || data.back() == '\r'))
        data.remove_suffix(1);
    return std::string(data);
}

} // namespace

Transcript::Transcript(bool verbose)
    : m_verbose(verbose)
{
}

void Transcript::command(const std::string& line)
{
    std::printf("ftp> %s\n", line.c_str());
    std::fflush(stdout);
}

void Transcript::line(const std::string& text)
{
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}

void Transcript::text(const std::string& text)
{
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

void Transcript::expectConnection(const std::string& host, bool scripted)
{
    m_expectingConnection = true;
    m_scriptedLogin = scripted;
    m_host = host;
}

void Transcript::connectionMade()
{
    m_lastVerb.clear();
    m_partial.clear();
    if (m_expectingConnection)
        line("Connected to " + m_host + ".");
    m_expectingConnection = false;
}

bool Transcript::shows(const std::string& reply) const
{
    if (m_verbose || (!reply.empty() && (reply[0] == '4' || reply[0] == '5')))
        return true;
    return kAlwaysShown.contains(m_lastVerb) || m_extraVerbs.contains(m_lastVerb);
}

void Transcript::replyLine(std::string_view data)
{
    m_partial.append(data);
    size_t start = 0;
    for (size_t nl; (nl = m_partial.find('\n', start)) != std::string::npos; start = nl + 1) {
        const std::string reply = Trimmed(std::string_view(m_partial).substr(start, nl - start));
        m_lastReply = reply;
        if (shows(reply))
            line(reply);
    }
    m_partial.erase(0, start);
}

void Transcript::commandSent(std::string_view data)
{
    const std::string sent = Trimmed(data);
    const auto space = sent.find(' ');
    m_lastVerb = sent.substr(0, space);
    for (auto& c : m_lastVerb)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (m_scriptedLogin && m_lastVerb == "USER")
        line("User (" + m_host + ":(none)): ");
    if (m_scriptedLogin && m_lastVerb == "PASS")
        line("Password:");
    if (m_verbose)
        line("---> " + (m_lastVerb == "PASS" ? std::string("PASS XXXX") : sent));
}

} // namespace kestrum::ftp
