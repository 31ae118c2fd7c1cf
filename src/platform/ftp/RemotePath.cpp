#include "RemotePath.h"

#include <curl/curl.h>
#include <vector>

namespace kestrum::ftp {
namespace {

std::vector<std::string> Segments(const std::string& path)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t slash = path.find('/', start);
        const size_t end = slash == std::string::npos ? path.size() : slash;
        if (end > start)
            out.push_back(path.substr(start, end - start));
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return out;
}

std::string Join(const std::vector<std::string>& segments, bool absolute)
{
    std::string out = absolute ? "/" : "";
    for (size_t i = 0; i < segments.size(); ++i) {
        if (i)
            out += '/';
        out += segments[i];
    }
    return out;
}

std::string EscapedSegments(const std::string& directory)
{
    std::string out;
    for (const auto& segment : Segments(directory))
        out += EscapeUrlSegment(segment) + "/";
    return out;
}

} // namespace

std::string EscapeUrlSegment(const std::string& segment)
{
    char* escaped = curl_easy_escape(nullptr, segment.data(), static_cast<int>(segment.size()));
    if (!escaped)
        return {};
    std::string out(escaped);
    curl_free(escaped);
    return out;
}

std::string ResolveRemotePath(const std::string& cwd, const std::string& path)
{
    const bool absolute = path.starts_with('/') || cwd.starts_with('/');
    std::vector<std::string> stack = path.starts_with('/') ? std::vector<std::string> {} : Segments(cwd);
    for (const auto& segment : Segments(path)) {
        if (segment == ".")
            continue;
        if (segment == "..") {
            if (!stack.empty() && stack.back() != "..")
                stack.pop_back();
            else if (!absolute)
                stack.push_back(segment); // above the login directory: let the server decide
            continue;
        }
        stack.push_back(segment);
    }
    return Join(stack, absolute);
}

std::string DirectoryUrlPath(const std::string& directory)
{
    // libcurl takes the path as relative to the login directory; %2F makes it absolute.
    return (directory.starts_with('/') ? "/%2F" : "/") + EscapedSegments(directory);
}

std::string FileUrlPath(const std::string& directory, const std::string& file)
{
    return DirectoryUrlPath(directory) + EscapeUrlSegment(file);
}

RemoteFile SplitRemoteFile(const std::string& cwd, const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return {cwd, path};
    const std::string parent = slash == 0 ? "/" : path.substr(0, slash);
    return {ResolveRemotePath(cwd, parent), path.substr(slash + 1)};
}

} // namespace kestrum::ftp
