#include "live/live_addresses.h"

#include "live/network_addresses.h"

std::vector<std::string> LiveAddresses(const std::string& listenAddress, int port) {
  if (listenAddress == "0.0.0.0") {
    std::vector<std::string> urls = PhoneAddresses(InterfaceAddresses(), port);
    urls.push_back(AddressUrl("127.0.0.1", port));
    return urls;
  }
  const bool ipv6 = listenAddress.find(':') != std::string::npos;
  return {"http://" + (ipv6 ? "[" + listenAddress + "]" : listenAddress) + ":" + std::to_string(port) + "/"};
}
