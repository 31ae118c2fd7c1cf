#include "LocalFtpServer.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace kestrum::test {

LocalFtpServer::LocalFtpServer(const std::string& root, const std::string& user, const std::string& password)
    : m_root(root)
{
    std::filesystem::create_directories(root);
    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("pipe failed");
    const std::string script = std::string(KESTRUM_SOURCE_DIR) + "/scripts/ftp-server.py";
    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl("/usr/bin/python3", "python3", script.c_str(), "--root", root.c_str(), "--user", user.c_str(),
              "--password", password.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);

    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd pfd{out[0], POLLIN, 0};
        if (poll(&pfd, 1, 100) <= 0)
            continue;
        char buf[128];
        const ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0)
            break;
        line.append(buf, static_cast<size_t>(n));
    }
    close(out[0]);
    const auto colon = line.rfind(':');
    if (line.find('\n') == std::string::npos || colon == std::string::npos) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        throw std::runtime_error("local FTP server did not start: " + line);
    }
    m_address = line.substr(0, line.find('\n'));
    m_port = std::stoi(m_address.substr(colon + 1));
}

LocalFtpServer::~LocalFtpServer()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

} // namespace kestrum::test
