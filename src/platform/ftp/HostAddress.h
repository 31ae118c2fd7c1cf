#pragma once
// HOST, HOST:PORT, [IPv6]:PORT or a bare IPv6 address.

#include <optional>
#include <string>

namespace kestrum::ftp {

struct HostAddress {
    std::string name;    // as the user wrote it, for messages
    std::string urlHost; // bracketed if IPv6
    int port = 21;
};

// `portText`, if given, overrides a port inside `text` (open HOST PORT).
std::optional<HostAddress> ParseHostAddress(const std::string& text, const std::string& portText = {});

} // namespace kestrum::ftp
