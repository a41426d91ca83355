#include "live/live_addresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>

namespace {

std::vector<std::string> NetworkAddresses() {
  std::vector<std::string> found;
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return found;
  for (const ifaddrs* i = list; i; i = i->ifa_next) {
    if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
    if (!(i->ifa_flags & IFF_UP) || (i->ifa_flags & IFF_LOOPBACK)) continue;
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
    if (::inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) &&
        std::find(found.begin(), found.end(), text) == found.end())
      found.emplace_back(text);
  }
  ::freeifaddrs(list);
  return found;
}

}  // namespace

std::vector<std::string> LiveAddresses(const std::string& listenAddress, int port) {
  std::vector<std::string> hosts;
  if (listenAddress == "0.0.0.0") {
    hosts = NetworkAddresses();
    hosts.emplace_back("127.0.0.1");
  } else {
    hosts.push_back(listenAddress.find(':') != std::string::npos ? "[" + listenAddress + "]" : listenAddress);
  }
  for (std::string& host : hosts) host = "http://" + host + ":" + std::to_string(port) + "/";
  return hosts;
}
