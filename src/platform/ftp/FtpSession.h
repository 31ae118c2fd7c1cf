#pragma once
// One FTP session on one libcurl easy handle: the handle keeps a single
// control connection alive from `open` to `close`.

#include "HostAddress.h"

#include <cstdint>
#include <curl/curl.h>
#include <optional>
#include <string>

namespace kestrum::ftp {

class Transcript;
class TransferMeter;

// Fatal: the session cannot sensibly go on in a script (refused login, failed cd).
enum class Status { Ok, Failed, Fatal };

class FtpSession {
public:
    FtpSession(Transcript& transcript, TransferMeter& meter);
    ~FtpSession();
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    bool connected() const { return m_curl != nullptr; }
    const std::string& host() const { return m_host.name; }

    Status open(const HostAddress& host, const std::string& user, const std::string& password, bool scriptedLogin);
    void close();

    Status changeDirectory(const std::string& path);
    Status printWorkingDirectory();
    Status list(bool namesOnly, const std::string& argument);
    Status upload(const std::string& localPath, const std::string& remotePath);
    Status setBinary(bool binary);
    bool binary() const { return m_binary; }

private:
    void resetRequest();
    std::string directoryUrl(const std::string& directory) const;
    CURLcode perform(const std::string& urlPath);
    CURLcode runTransfer();
    void closeHandles();
    std::string describe(CURLcode code) const;
    Status fail(const std::string& message);

    static size_t onRead(char* buffer, size_t size, size_t count, void* self);
    static size_t onWrite(char* data, size_t size, size_t count, void* self);
    static int onProgress(void* self, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal, curl_off_t upNow);
    static int onDebug(CURL*, curl_infotype type, char* data, size_t size, void* self);

    Transcript& m_transcript;
    TransferMeter& m_meter;
    CURLM* m_multi = nullptr; // owns the control connection between requests
    CURL* m_curl = nullptr;
    HostAddress m_host;
    std::string m_cwd; // see RemotePath.h
    std::string m_loginDirectory;
    bool m_binary = true;
    bool m_connectionUsable = false;
    std::string m_lastDirectoryUrl;
    char m_error[CURL_ERROR_SIZE] = {};

    // current transfer
    int m_uploadFd = -1;
    bool m_uploading = false;
    std::int64_t m_received = 0;
};

} // namespace kestrum::ftp
