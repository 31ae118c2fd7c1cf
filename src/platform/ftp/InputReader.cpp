#include "InputReader.h"

#include <cstdlib>
#include <termios.h>
#include <unistd.h>

namespace kestrum::ftp {

InputReader::InputReader(std::FILE* file)
    : m_file(file)
    , m_interactive(file == stdin && isatty(STDIN_FILENO))
{
}

InputReader::~InputReader()
{
    if (m_file && m_file != stdin)
        std::fclose(m_file);
}

std::optional<std::string> InputReader::readLine()
{
    char* buffer = nullptr;
    size_t capacity = 0;
    const ssize_t length = getline(&buffer, &capacity, m_file);
    if (length < 0) {
        std::free(buffer);
        return std::nullopt;
    }
    std::string line(buffer, static_cast<size_t>(length));
    std::free(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

std::optional<std::string> InputReader::readSecret()
{
    if (!m_interactive)
        return readLine();
    termios saved {};
    const bool haveTerminal = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (haveTerminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    auto line = readLine();
    if (haveTerminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputs("\n", stdout);
    }
    return line;
}

} // namespace kestrum::ftp
