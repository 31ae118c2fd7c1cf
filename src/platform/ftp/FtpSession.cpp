#include "FtpSession.h"

#include "RemotePath.h"
#include "Transcript.h"
#include "TransferMeter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrum::ftp {
namespace {

constexpr long kConnectTimeout = 30;
constexpr long kResponseTimeout = 60;
constexpr long kStallSeconds = 60;
// Big enough that uploads keep up with curl; small enough for a flat RSS.
constexpr long kUploadBuffer = 512 * 1024;
// libcurl 7.88 can leave an FTP data connection waiting for a wake-up that
// never comes and sleep its full second; waking at least this often keeps
// every step prompt.
constexpr int kPollCapMs = 20;

struct SList {
    curl_slist* list = nullptr;
    explicit SList(const char* item) { list = curl_slist_append(nullptr, item); }
    ~SList() { curl_slist_free_all(list); }
    SList(const SList&) = delete;
    SList& operator=(const SList&) = delete;
};

} // namespace

FtpSession::FtpSession(Transcript& transcript, TransferMeter& meter)
    : m_transcript(transcript)
    , m_meter(meter)
{
}

FtpSession::~FtpSession() { close(); }

Status FtpSession::fail(const std::string& message)
{
    m_transcript.line(message);
    return Status::Failed;
}

void FtpSession::resetRequest()
{
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(m_curl, CURLOPT_DIRLISTONLY, 0L);
    curl_easy_setopt(m_curl, CURLOPT_CUSTOMREQUEST, nullptr);
    curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, nullptr);
    curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(-1));
    curl_easy_setopt(m_curl, CURLOPT_TRANSFERTEXT, m_binary ? 0L : 1L);
    curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, m_meter.wantsUpdates() ? 0L : 1L);
    m_transcript.showRepliesTo({});
    m_uploading = false;
    m_received = 0;
    m_error[0] = '\0';
}

std::string FtpSession::directoryUrl(const std::string& directory) const
{
    // The login directory as libcurl's own relative "/" spares the CWD it
    // would otherwise send before the first transfer.
    return directory == m_loginDirectory ? "/" : DirectoryUrlPath(directory);
}

CURLcode FtpSession::perform(const std::string& urlPath)
{
    const std::string url = "ftp://" + m_host.urlHost + ":" + std::to_string(m_host.port) + urlPath;
    curl_easy_setopt(m_curl, CURLOPT_URL, url.c_str());
    const CURLcode code = runTransfer();
    if (code == CURLE_OK) // libcurl stays where it last changed directory successfully
        m_lastDirectoryUrl = urlPath.substr(0, urlPath.rfind('/') + 1);
    // These leave the control connection usable; anything else may have cost it.
    m_connectionUsable = code == CURLE_OK || code == CURLE_REMOTE_ACCESS_DENIED;
    m_transcript.showRepliesTo({});
    return code;
}

CURLcode FtpSession::runTransfer()
{
    if (curl_multi_add_handle(m_multi, m_curl) != CURLM_OK)
        return CURLE_FAILED_INIT;
    CURLcode result = CURLE_FAILED_INIT;
    // Ends when libcurl finishes the transfer, which its connect, response
    // and stall timeouts guarantee.
    for (bool done = false; !done;) {
        int running = 0;
        if (curl_multi_perform(m_multi, &running) != CURLM_OK)
            break;
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(m_multi, &queued)) {
            if (message->msg == CURLMSG_DONE && message->easy_handle == m_curl) {
                result = message->data.result;
                done = true;
            }
        }
        if (!done && running == 0)
            break;
        if (!done)
            curl_multi_poll(m_multi, nullptr, 0, kPollCapMs, nullptr);
    }
    curl_multi_remove_handle(m_multi, m_curl);
    return result;
}

std::string FtpSession::describe(CURLcode code) const
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return "Unknown host " + m_host.name + ".";
    case CURLE_COULDNT_CONNECT: {
        long osError = 0;
        curl_easy_getinfo(m_curl, CURLINFO_OS_ERRNO, &osError);
        return "Connection to " + m_host.name + " failed: "
            + (osError ? std::strerror(static_cast<int>(osError)) : std::string("cannot connect")) + ".";
    }
    case CURLE_LOGIN_DENIED:
        return "Login failed.";
    case CURLE_OPERATION_TIMEDOUT:
        return std::string("Timed out: ") + (m_error[0] ? m_error : "no answer from the server") + ".";
    case CURLE_WEIRD_SERVER_REPLY:
        return "Unexpected reply from " + m_host.name + ": " + m_transcript.lastReply();
    default:
        return std::string("ftp: ") + (m_error[0] ? m_error : curl_easy_strerror(code));
    }
}

Status FtpSession::open(const HostAddress& host, const std::string& user, const std::string& password,
                        bool scriptedLogin)
{
    close();
    m_multi = curl_multi_init();
    m_curl = curl_easy_init();
    if (!m_curl || !m_multi) {
        closeHandles();
        return fail("ftp: cannot initialise libcurl.");
    }
    m_host = host;
    m_cwd.clear();
    m_loginDirectory.clear();
    m_binary = true;

    curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_error);
    curl_easy_setopt(m_curl, CURLOPT_USERNAME, user.c_str());
    curl_easy_setopt(m_curl, CURLOPT_PASSWORD, password.c_str());
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeout);
    curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, kResponseTimeout);
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    curl_easy_setopt(m_curl, CURLOPT_FTP_USE_EPSV, 1L);
    curl_easy_setopt(m_curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD_BUFFERSIZE, kUploadBuffer);
    curl_easy_setopt(m_curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_curl, CURLOPT_VERBOSE, 1L); // feeds onDebug; libcurl itself prints nothing
    curl_easy_setopt(m_curl, CURLOPT_DEBUGFUNCTION, &FtpSession::onDebug);
    curl_easy_setopt(m_curl, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, &FtpSession::onRead);
    curl_easy_setopt(m_curl, CURLOPT_READDATA, this);
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &FtpSession::onWrite);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &FtpSession::onProgress);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, this);

    // Connect and log in now, not at the first transfer: a refused login must show here.
    resetRequest();
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    m_transcript.expectConnection(host.name, scriptedLogin);
    const CURLcode code = perform(directoryUrl(m_cwd));
    m_transcript.loginDone();
    if (code != CURLE_OK) {
        const std::string message = describe(code);
        closeHandles();
        m_transcript.line(message);
        return code == CURLE_LOGIN_DENIED ? Status::Fatal : Status::Failed;
    }
    char* entry = nullptr;
    if (curl_easy_getinfo(m_curl, CURLINFO_FTP_ENTRY_PATH, &entry) == CURLE_OK && entry && entry[0] == '/')
        m_cwd = m_loginDirectory = ResolveRemotePath("/", entry);
    return Status::Ok;
}

void FtpSession::close()
{
    if (!m_curl)
        return;
    // QUIT goes out as the connection closes. Closing it from a (no-op)
    // request on our handle, rather than from curl_easy_cleanup, lets the
    // debug callback show the server's goodbye.
    if (m_connectionUsable) {
        resetRequest();
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(m_curl, CURLOPT_FORBID_REUSE, 1L);
        m_transcript.showRepliesTo({"QUIT"});
        perform(m_lastDirectoryUrl); // the directory libcurl is in: nothing but QUIT goes out
    }
    closeHandles();
    m_transcript.showRepliesTo({});
}

void FtpSession::closeHandles()
{
    if (m_curl)
        curl_easy_cleanup(m_curl);
    if (m_multi)
        curl_multi_cleanup(m_multi);
    m_curl = nullptr;
    m_multi = nullptr;
}

Status FtpSession::changeDirectory(const std::string& path)
{
    const std::string target = ResolveRemotePath(m_cwd, path);
    resetRequest();
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    m_transcript.showRepliesTo({"CWD"});
    const CURLcode code = perform(directoryUrl(target));
    if (code == CURLE_REMOTE_ACCESS_DENIED) {
        m_transcript.line("No such remote directory: " + path);
        return Status::Fatal;
    }
    if (code != CURLE_OK) {
        m_transcript.line(describe(code));
        return Status::Fatal;
    }
    m_cwd = target;
    return Status::Ok;
}

Status FtpSession::printWorkingDirectory()
{
    resetRequest();
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    SList pwd("PWD");
    curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, pwd.list);
    m_transcript.showRepliesTo({"PWD"});
    const CURLcode code = perform(directoryUrl(m_cwd));
    curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, nullptr);
    return code == CURLE_OK ? Status::Ok : fail(describe(code));
}

Status FtpSession::setBinary(bool binary)
{
    resetRequest();
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    // Sent for real so the reply is the server's; libcurl re-sends TYPE
    // before a transfer whenever its own idea of the type differs.
    SList type(binary ? "TYPE I" : "TYPE A");
    curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, type.list);
    m_transcript.showRepliesTo({"TYPE"});
    const CURLcode code = perform(directoryUrl(m_cwd));
    curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, nullptr);
    if (code != CURLE_OK)
        return fail(describe(code));
    m_binary = binary;
    return Status::Ok;
}

Status FtpSession::list(bool namesOnly, const std::string& argument)
{
    resetRequest();
    std::string custom;
    if (!argument.empty()) {
        custom = (namesOnly ? "NLST " : "LIST ") + argument;
        curl_easy_setopt(m_curl, CURLOPT_CUSTOMREQUEST, custom.c_str());
    } else {
        curl_easy_setopt(m_curl, CURLOPT_DIRLISTONLY, namesOnly ? 1L : 0L);
    }
    m_meter.start(0);
    const CURLcode code = perform(directoryUrl(m_cwd));
    curl_easy_setopt(m_curl, CURLOPT_CUSTOMREQUEST, nullptr);
    if (code != CURLE_OK) {
        m_meter.abandon();
        return fail(code == CURLE_REMOTE_ACCESS_DENIED ? "Cannot list " + (argument.empty() ? m_cwd : argument) + "."
                                                       : describe(code));
    }
    m_meter.finish(m_received, "received");
    return Status::Ok;
}

Status FtpSession::upload(const std::string& localPath, const std::string& remotePath)
{
    const int fd = ::open(localPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fail(localPath + ": " + std::strerror(errno) + ".");
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(localPath + ": not a plain file.");
    }
    const RemoteFile target = SplitRemoteFile(m_cwd, remotePath);
    if (target.name.empty()) {
        ::close(fd);
        return fail("Invalid remote file name: " + remotePath);
    }
    resetRequest();
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(info.st_size));
    m_uploadFd = fd;
    m_uploading = true;
    m_meter.start(info.st_size);
    const CURLcode code = perform(directoryUrl(target.directory) + EscapeUrlSegment(target.name));
    ::close(fd);
    m_uploadFd = -1;
    curl_off_t sent = 0;
    curl_easy_getinfo(m_curl, CURLINFO_SIZE_UPLOAD_T, &sent);
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 0L);
    if (code != CURLE_OK) {
        m_meter.abandon();
        if (code == CURLE_REMOTE_ACCESS_DENIED)
            return fail("No such remote directory: " + target.directory);
        if (code == CURLE_UPLOAD_FAILED)
            return fail("Upload of " + localPath + " refused by the server.");
        if (code == CURLE_READ_ERROR || code == CURLE_ABORTED_BY_CALLBACK)
            return fail(localPath + ": read error.");
        return fail(describe(code));
    }
    m_meter.finish(sent, "sent");
    return Status::Ok;
}

size_t FtpSession::onRead(char* buffer, size_t size, size_t count, void* self)
{
    auto* session = static_cast<FtpSession*>(self);
    for (;;) {
        const ssize_t n = ::read(session->m_uploadFd, buffer, size * count);
        if (n >= 0)
            return static_cast<size_t>(n);
        if (errno != EINTR)
            return CURL_READFUNC_ABORT;
    }
}

size_t FtpSession::onWrite(char* data, size_t size, size_t count, void* self)
{
    auto* session = static_cast<FtpSession*>(self);
    const size_t length = size * count;
    session->m_received += static_cast<std::int64_t>(length);
    // Listings come with CR LF.
    size_t start = 0;
    for (size_t i = 0; i < length; ++i) {
        if (data[i] == '\r') {
            std::fwrite(data + start, 1, i - start, stdout);
            start = i + 1;
        }
    }
    std::fwrite(data + start, 1, length - start, stdout);
    return length;
}

int FtpSession::onProgress(void* self, curl_off_t, curl_off_t downNow, curl_off_t, curl_off_t upNow)
{
    auto* session = static_cast<FtpSession*>(self);
    session->m_meter.update(session->m_uploading ? upNow : downNow);
    return 0;
}

int FtpSession::onDebug(CURL*, curl_infotype type, char* data, size_t size, void* self)
{
    auto* session = static_cast<FtpSession*>(self);
    auto& transcript = session->m_transcript;
    const std::string_view text(data, size);
    switch (type) {
    case CURLINFO_TEXT:
        if (text.starts_with("Connected to "))
            transcript.connectionMade();
        break;
    case CURLINFO_HEADER_IN:
        session->m_meter.breakLine();
        transcript.replyLine(text);
        break;
    case CURLINFO_HEADER_OUT:
        if (transcript.verbose())
            session->m_meter.breakLine();
        transcript.commandSent(text);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace kestrum::ftp
