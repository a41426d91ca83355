#include "live/network_addresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <memory>

std::string AddressUrl(const std::string& ipv4, int port) {
  return "http://" + ipv4 + ":" + std::to_string(port) + "/";
}

std::vector<std::string> PhoneAddresses(const std::vector<InterfaceAddress>& interfaces, int port) {
  std::vector<std::string> urls;
  for (const InterfaceAddress& i : interfaces) {
    if (!i.up || i.loopback || i.ipv4.empty()) continue;
    std::string url = AddressUrl(i.ipv4, port);
    if (std::find(urls.begin(), urls.end(), url) == urls.end()) urls.push_back(std::move(url));
  }
  return urls;
}

namespace {

struct FreeInterfaces {
  void operator()(ifaddrs* list) const { freeifaddrs(list); }
};

}  // namespace

std::vector<InterfaceAddress> InterfaceAddresses() {
  ifaddrs* raw = nullptr;
  if (getifaddrs(&raw) != 0) return {};
  std::unique_ptr<ifaddrs, FreeInterfaces> list(raw);
  std::vector<InterfaceAddress> out;
  for (const ifaddrs* i = list.get(); i; i = i->ifa_next) {
    if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
    sockaddr_in address{};
    std::copy_n(reinterpret_cast<const char*>(i->ifa_addr), sizeof address,
                reinterpret_cast<char*>(&address));
    char text[INET_ADDRSTRLEN] = {};
    if (!inet_ntop(AF_INET, &address.sin_addr, text, sizeof text)) continue;
    // IFF_RUNNING as well: a cable pulled out or a Wi-Fi not joined leaves the interface up.
    const bool up = (i->ifa_flags & IFF_UP) != 0 && (i->ifa_flags & IFF_RUNNING) != 0;
    out.push_back({text, up, (i->ifa_flags & IFF_LOOPBACK) != 0});
  }
  return out;
}
