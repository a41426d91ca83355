#pragma once
// A QR code as a square of dark and light modules, for phones to scan the address of the live
// results from the scorer's screen.
#include <string>
#include <vector>

struct QrCode {
  int size = 0;            // modules per side, the quiet zone included; 0 when there is no code
  std::vector<bool> dark;  // size x size, row by row
  bool Dark(int x, int y) const {
    return x >= 0 && y >= 0 && x < size && y < size &&
           dark[static_cast<std::size_t>(y) * static_cast<std::size_t>(size) + static_cast<std::size_t>(x)];
  }
};

// Light modules around the symbol: scanners need them to find its edges on a busy screen.
inline constexpr int kQrQuietZone = 4;

// The QR code of `text` at error correction level M (a phone still reads it off a screen with a
// glare), surrounded by its quiet zone. No code (size 0) for an empty text or one too long for any
// QR code.
QrCode MakeQrCode(const std::string& text);
