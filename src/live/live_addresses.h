#pragma once
// The addresses a phone can type (or scan) to reach the server.
#include <string>
#include <vector>

// For "0.0.0.0" every IPv4 address of the computer's networks that are up, the computer itself
// ("127.0.0.1") last; for any other address that address. Each as "http://ADDRESS:PORT/".
std::vector<std::string> LiveAddresses(const std::string& listenAddress, int port);
