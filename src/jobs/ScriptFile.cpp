#include "ScriptFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

std::string Failure(const std::string& name, int error)
{
    return "Could not write " + name + ": " + std::strerror(error) + ".";
}

} // namespace

std::optional<std::string> WriteScriptFile(const std::string& name, const std::string& bytes)
{
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kOwnerOnly);
    if (fd < 0)
        return Failure(name, errno);

    // O_TRUNC keeps an existing file's mode, and the scripts hold a password:
    // narrow it before the first byte goes in.
    if (::fchmod(fd, kOwnerOnly) != 0) {
        const int error = errno;
        ::close(fd);
        return Failure(name, error);
    }

    const char* next = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : EIO;
            ::close(fd);
            return Failure(name, error);
        }
        next += written;
        left -= static_cast<size_t>(written);
    }

    // Delayed write errors (a full disk on a network file system) show up here.
    if (::close(fd) != 0)
        return Failure(name, errno);
    return std::nullopt;
}
