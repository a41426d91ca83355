#pragma once
// The skier file: the list exactly as it stands, head sentinel first and tail sentinel last, as
// 2208-byte records with no header. The reader checks every record before anything is kept.
#include <cstddef>
#include <list>
#include <string>
#include <string_view>

#include "core/skier.h"
#include "core/skier_list.h"

inline constexpr std::size_t kSkierRecordSize = sizeof(TSkier);

std::string SkierFileBytes(const SkierList& list);

// Fills `out` with every record of the file (sentinels included) and answers true, or answers false
// with `why` saying where the file broke; `out` is then left empty. The skiers must stand in
// surname order between the two list ends.
bool ParseSkierFile(std::string_view bytes, std::list<TSkier>& out, std::string& why);

// Why one record cannot be used (a text longer than its field, a division out of range, a number
// that is not finite or absurdly large), or empty.
std::string CheckSkierRecord(const TSkier& s);
