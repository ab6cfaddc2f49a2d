#include "frontend/classroom_link.h"

#include <array>
#include <optional>

namespace classroom {

namespace {

// The four numbers of an IPv4 address text, or nothing.
std::optional<std::array<int, 4>> ipv4(std::string_view text)
{
    std::array<int, 4> parts{};
    std::size_t part = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == '.') {
            if (digits == 0 || ++part == parts.size()) return std::nullopt;
            digits = 0;
        } else if (c >= '0' && c <= '9' && digits < 3) {
            parts[part] = parts[part] * 10 + (c - '0');
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (part != 3 || digits == 0) return std::nullopt;
    for (const int p : parts)
        if (p > 255) return std::nullopt;
    return parts;
}

// Lower is better: 0 a private network, 1 another IPv4 address, 2 IPv6, 3
// link-local, 4 loopback.
int rank(std::string_view address)
{
    if (const auto v4 = ipv4(address)) {
        const auto [a, b, c, d] = *v4;
        (void)c;
        (void)d;
        if (a == 127) return 4;
        if (a == 169 && b == 254) return 3;
        if (a == 10 || (a == 172 && b >= 16 && b <= 31) || (a == 192 && b == 168)) return 0;
        return 1;
    }
    if (address == "::1") return 4;
    if (address.size() >= 4 && (address.substr(0, 4) == "fe80" || address.substr(0, 4) == "FE80")) return 3;
    return 2;
}

} // namespace

std::string joinAddress(std::string_view host, int port)
{
    const bool v6 = host.find(':') != std::string_view::npos;
    std::string address = "http://";
    address += v6 ? "[" + std::string(host) + "]" : std::string(host);
    address += ":" + std::to_string(port) + "/";
    return address;
}

std::string joinLink(std::string_view host, int port, std::string_view token)
{
    return joinAddress(host, port) + "?follow=" + std::string(token);
}

std::string chooseHost(const std::vector<std::string>& addresses)
{
    std::string best;
    int bestRank = 5;
    for (const std::string& address : addresses) {
        // Scoped IPv6 addresses ("fe80::1%eth0") cannot go into a link.
        if (address.empty() || address.find('%') != std::string::npos) continue;
        const int r = rank(address);
        if (r < bestRank) {
            best = address;
            bestRank = r;
        }
    }
    return best;
}

} // namespace classroom
