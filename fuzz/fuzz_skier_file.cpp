// Any bytes as a skier file: the reader either refuses them or keeps records that write back to
// the very same bytes.
#include <cstdint>
#include <string_view>

#include "core/skier_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  SkierList list;
  std::string why;
  if (!ParseSkierFile(bytes, list.nodes, why)) {
    if (why.empty() || !list.nodes.empty()) __builtin_trap();
    return 0;
  }
  if (list.nodes.size() < 2 || SkierFileBytes(list) != bytes) __builtin_trap();
  return 0;
}
