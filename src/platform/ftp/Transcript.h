#pragma once
// What the user sees on standard output: commands, the server's replies and
// our own messages. Passwords never reach it.

#include <set>
#include <string>
#include <string_view>

namespace kestrum::ftp {

class Transcript {
public:
    explicit Transcript(bool verbose);

    bool verbose() const { return m_verbose; }
    void setVerbose(bool on) { m_verbose = on; }

    void command(const std::string& line); // "ftp> line"
    void line(const std::string& text);
    void text(const std::string& text); // no line end; flushed

    // A new control connection is being made to `host`; `scripted` shows the
    // login prompts as USER and PASS go out, since their answers came from the script.
    void expectConnection(const std::string& host, bool scripted);
    void loginDone() { m_expectingConnection = m_scriptedLogin = false; }
    // Server commands whose replies are shown besides the always-shown ones;
    // errors (4xx, 5xx) are always shown.
    void showRepliesTo(std::set<std::string> verbs) { m_extraVerbs = std::move(verbs); }

    // Feeds from libcurl's debug callback.
    void connectionMade();
    void replyLine(std::string_view data);
    void commandSent(std::string_view data);

    const std::string& lastReply() const { return m_lastReply; }

private:
    bool shows(const std::string& reply) const;

    bool m_verbose;
    bool m_expectingConnection = false;
    bool m_scriptedLogin = false;
    std::string m_host;
    std::string m_lastVerb; // empty: greeting
    std::string m_lastReply;
    std::string m_partial;
    std::set<std::string> m_extraVerbs;
};

} // namespace kestrum::ftp
