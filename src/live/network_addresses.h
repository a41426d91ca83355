#pragma once
// The addresses under which phones on the lake's network reach the live results of this computer.
#include <string>
#include <vector>

struct InterfaceAddress {
  std::string ipv4;  // dotted, "192.168.1.20"
  bool up = false;
  bool loopback = false;
};

// "http://A.B.C.D:PORT/"
std::string AddressUrl(const std::string& ipv4, int port);
// The web addresses phones can use, in the order the interfaces were given: interfaces that are
// down and the loopback (which a phone would take for itself) are left out, each address once.
std::vector<std::string> PhoneAddresses(const std::vector<InterfaceAddress>& interfaces, int port);
// This computer's IPv4 interface addresses as the system lists them; none when it cannot tell.
std::vector<InterfaceAddress> InterfaceAddresses();
