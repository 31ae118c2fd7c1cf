#include "HostAddress.h"

#include <cctype>
#include <charconv>

namespace kestrum::ftp {
namespace {

std::optional<int> ParsePort(const std::string& text)
{
    int port = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (ec != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

bool IsHostChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_' || c == ':';
}

} // namespace

std::optional<HostAddress> ParseHostAddress(const std::string& text, const std::string& portText)
{
    HostAddress address;
    address.name = text;
    std::string host = text;
    std::string port;
    if (!text.empty() && text[0] == '[') {
        const auto close = text.find(']');
        if (close == std::string::npos)
            return std::nullopt;
        host = text.substr(1, close - 1);
        const std::string rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest[0] != ':')
                return std::nullopt;
            port = rest.substr(1);
        }
    } else if (const auto colon = text.find(':'); colon != std::string::npos && text.find(':', colon + 1) == std::string::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
    if (host.empty())
        return std::nullopt;
    for (char c : host)
        if (!IsHostChar(c))
            return std::nullopt;
    if (!portText.empty())
        port = portText;
    if (!port.empty()) {
        const auto parsed = ParsePort(port);
        if (!parsed)
            return std::nullopt;
        address.port = *parsed;
    }
    address.urlHost = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    return address;
}

} // namespace kestrum::ftp
