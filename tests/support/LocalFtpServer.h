#pragma once
// A real FTP server (pyftpdlib) on a free loopback port, for the life of the object.

#include <string>
#include <sys/types.h>

namespace kestrum::test {

class LocalFtpServer {
public:
    // Serves `root` (created if absent) to `user`/`password`; throws if the
    // server does not come up within 10 seconds.
    LocalFtpServer(const std::string& root, const std::string& user, const std::string& password);
    ~LocalFtpServer();
    LocalFtpServer(const LocalFtpServer&) = delete;
    LocalFtpServer& operator=(const LocalFtpServer&) = delete;

    const std::string& address() const { return m_address; } // "127.0.0.1:PORT"
    int port() const { return m_port; }
    const std::string& root() const { return m_root; }

private:
    std::string m_root;
    std::string m_address;
    int m_port = 0;
    pid_t m_pid = -1;
};

} // namespace kestrum::test
