// Any bytes as a skier file: the reader either refuses them or keeps records that write back to
// the very same bytes.
#include <cstdint>
#include <list>
#include <string_view>

#include "core/skier_file.h"
#include "core/tournament.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::list<TSkier> nodes;
  std::string why;
  if (!ParseSkierFile(bytes, nodes, why)) {
    if (why.empty() || !nodes.empty()) __builtin_trap();
    return 0;
  }
  if (nodes.size() < 2) __builtin_trap();
  Tournament t;
  t.LoadSkiers(std::move(nodes));
  if (SkierFileBytes(t.skiers) != bytes) __builtin_trap();
  return 0;
}
