#pragma once
// Remote paths, resolved on our side so `cd ..` and relative names behave as
// a user expects, and turned into URL paths libcurl accepts.

#include <string>

namespace kestrum::ftp {

// `cwd` is absolute ("/a/b") or, if the server never told us where we are,
// relative to the login directory ("" or "a/b").
std::string ResolveRemotePath(const std::string& cwd, const std::string& path);

// The URL path for a directory (trailing slash) or for `file` inside it;
// every segment escaped, and a leading "%2F" for absolute paths.
std::string DirectoryUrlPath(const std::string& directory);
std::string FileUrlPath(const std::string& directory, const std::string& file);

// Splits "dir/name" into its parent directory (resolved against cwd) and name.
struct RemoteFile {
    std::string directory;
    std::string name;
};
RemoteFile SplitRemoteFile(const std::string& cwd, const std::string& path);

std::string EscapeUrlSegment(const std::string& segment);

} // namespace kestrum::ftp
