#include "live/qr_code.h"

#include <qrencode.h>

#include <memory>

namespace {

struct FreeQrCode {
  void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

QrCode MakeQrCode(const std::string& text) {
  if (text.empty()) return {};
  // Byte mode keeps the text as it is: an address is case-sensitive in its path.
  std::unique_ptr<QRcode, FreeQrCode> symbol(QRcode_encodeString8bit(text.c_str(), 0, QR_ECLEVEL_M));
  if (!symbol || symbol->width <= 0) return {};
  const int width = symbol->width;
  QrCode code;
  code.size = width + 2 * kQrQuietZone;
  code.dark.assign(static_cast<std::size_t>(code.size) * static_cast<std::size_t>(code.size), false);
  for (int y = 0; y < width; ++y)
    for (int x = 0; x < width; ++x) {
      // The lowest bit of each byte is the module's colour; the others say what part it belongs to.
      const unsigned char module = symbol->data[y * width + x];
      const auto at = static_cast<std::size_t>(y + kQrQuietZone) * static_cast<std::size_t>(code.size) +
                      static_cast<std::size_t>(x + kQrQuietZone);
      code.dark[at] = (module & 1) != 0;
    }
  return code;
}
