// The addresses the Live Results dialog offers to phones.
#include "live/network_addresses.h"

#include <gtest/gtest.h>

namespace {

TEST(PhoneAddresses, OnlyInterfacesAPhoneCanReachEachOnce) {
  const std::vector<InterfaceAddress> interfaces = {
      {"127.0.0.1", true, true},      // loopback: the phone's own
      {"192.168.1.20", true, false},  // the lake's Wi-Fi
      {"10.8.0.3", false, false},     // a cable pulled out
      {"172.16.0.9", true, false},    // a second network
      {"192.168.1.20", true, false},  // the same address on an alias
      {"", true, false},
  };
  EXPECT_EQ(PhoneAddresses(interfaces, 8080),
            (std::vector<std::string>{"http://192.168.1.20:8080/", "http://172.16.0.9:8080/"}));
  EXPECT_TRUE(PhoneAddresses({{"127.0.0.1", true, true}}, 8080).empty());
  EXPECT_EQ(AddressUrl("10.0.0.5", 65535), "http://10.0.0.5:65535/");
}

TEST(PhoneAddresses, ThisComputerHasItsLoopbackListed) {
  // The system's own list: the loopback is there on any machine that runs a server at all.
  bool loopback = false;
  for (const InterfaceAddress& i : InterfaceAddresses())
    loopback = loopback || (i.loopback && i.ipv4 == "127.0.0.1");
  EXPECT_TRUE(loopback);
}

}  // namespace
