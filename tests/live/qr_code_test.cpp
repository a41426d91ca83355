// The QR code phones scan: the symbol a reader expects, read back the way a reader finds it.
#include "live/qr_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// A finder pattern at module (x, y): a dark ring, a light ring and a dark 3x3 core, with a light
// separator around it.
bool FinderAt(const QrCode& c, int x, int y) {
  for (int dy = -1; dy <= 7; ++dy)
    for (int dx = -1; dx <= 7; ++dx) {
      const int ring = std::max(std::abs(dx - 3), std::abs(dy - 3));
      if (c.Dark(x + dx, y + dy) != (ring != 2 && ring != 4)) return false;
    }
  return true;
}

// The 15 format bits beside the top-left finder, most significant first, unmasked.
int FormatBits(const QrCode& c) {
  const int q = kQrQuietZone;
  int bits = 0;
  auto take = [&](int x, int y) { bits = (bits << 1) | (c.Dark(q + x, q + y) ? 1 : 0); };
  for (int x = 0; x < 6; ++x) take(x, 8);
  take(7, 8);
  take(8, 8);
  take(8, 7);
  for (int y = 5; y >= 0; --y) take(8, y);
  return bits ^ 0x5412;
}

// Whether the format bits form a codeword of their BCH(15,5) code.
bool ValidFormat(int bits) {
  for (int shift = 4; shift >= 0; --shift)
    if (bits & (1 << (shift + 10))) bits ^= 0x537 << shift;
  return bits == 0;
}

TEST(QrCode, AnAddressBecomesASymbolAReaderFinds) {
  const struct {
    std::string text;
    int symbolSize;  // modules per side without the quiet zone: 17 + 4 x version
  } cases[] = {
      {"http://10.0.0.5:8080/", 25},                                 // 21 bytes: version 2 at level M
      {"http://192.168.100.200:65535/", 29},                         // 29 bytes: version 3
      {"http://192.168.100.200:65535/results-of-the-day.html", 33},  // 52 bytes: version 4
  };
  for (const auto& c : cases) {
    const QrCode code = MakeQrCode(c.text);
    const int q = kQrQuietZone;
    ASSERT_EQ(code.size, c.symbolSize + 2 * q) << c.text;
    ASSERT_EQ(code.dark.size(), static_cast<std::size_t>(code.size * code.size));
    for (int y = 0; y < code.size; ++y)
      for (int x = 0; x < code.size; ++x) {
        const bool edge = x < q || y < q || x >= code.size - q || y >= code.size - q;
        ASSERT_FALSE(edge && code.Dark(x, y)) << c.text << ": quiet zone at " << x << "," << y;
      }
    const int far = code.size - q - 7;
    EXPECT_TRUE(FinderAt(code, q, q)) << c.text;
    EXPECT_TRUE(FinderAt(code, far, q)) << c.text;
    EXPECT_TRUE(FinderAt(code, q, far)) << c.text;
    const int format = FormatBits(code);
    EXPECT_TRUE(ValidFormat(format)) << c.text;
    EXPECT_EQ((format >> 13) & 3, 0) << c.text << ": error correction level M";
  }
}

TEST(QrCode, NoCodeForNothingOrForTooMuch) {
  EXPECT_EQ(MakeQrCode("").size, 0);
  EXPECT_EQ(MakeQrCode(std::string(3000, 'a')).size, 0);
}

}  // namespace
