// Where the phones join a classroom session: the address of the teacher's
// laptop on the room's network, and the link (with its join token) that the
// projector's QR code carries.
//
//   http://192.168.1.20:8080/?follow=Qm9vLWJvby1ib28tYm9v
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace classroom {

// The port a session listens on unless told otherwise: above the ports that
// need privileges, clear of the usual development servers.
inline constexpr int DefaultPort = 8472;

// "http://192.168.1.20:8080/"; an IPv6 host goes in brackets.
std::string joinAddress(std::string_view host, int port);
// The address with the join token: what the QR code carries.
std::string joinLink(std::string_view host, int port, std::string_view token);

// The address to offer the phones among the laptop's own (IPv4 and IPv6
// texts): one of the private networks a room's Wi-Fi uses first, then any
// other IPv4 address that is not link-local, then IPv6; loopback only when
// there is nothing else. "" for none.
std::string chooseHost(const std::vector<std::string>& addresses);

} // namespace classroom
