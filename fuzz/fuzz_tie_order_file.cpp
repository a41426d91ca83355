// Any bytes as a tie order file: refused with a reason, or read into orders that write back to a
// text reading the same.
#include <cstdint>
#include <string_view>

#include "core/tie_order_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TieOrders ties;
  std::string why;
  if (!ParseTieOrderText(bytes, ties, why)) {
    if (why.empty()) __builtin_trap();
    return 0;
  }
  TieOrders again;
  if (!ParseTieOrderText(TieOrderText(ties), again, why) || !(again == ties)) __builtin_trap();
  return 0;
}
