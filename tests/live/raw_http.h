#pragma once
// A request sent byte for byte, for what a well-behaved client library would never send.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <string>

// Connects to 127.0.0.1:port, sends the bytes and answers everything read until the server closes
// the connection or `seconds` pass without a byte.
inline std::string RawExchange(int port, const std::string& request, int seconds = 20) {
  const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
  timeval timeout{seconds, 0};
  ::setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string reply;
  if (::connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    for (std::size_t sent = 0; sent < request.size();) {
      const ssize_t n = ::send(sock, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    char buffer[4096];
    for (ssize_t n; (n = ::recv(sock, buffer, sizeof buffer, 0)) > 0;)
      reply.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(sock);
  return reply;
}

// "HTTP/1.1 404 Not Found..." gives 404; 0 when nothing came back.
inline int StatusOf(const std::string& reply) {
  return reply.size() >= 12 && reply.rfind("HTTP/1.", 0) == 0 ? std::stoi(reply.substr(9, 3)) : 0;
}
