#pragma once
// The fixed-pitch lines of the entry list, and the key that finds a skier again from its line.
#include <optional>
#include <string>
#include <string_view>

#include "core/skier.h"
#include "core/skier_list.h"

inline constexpr std::size_t kLineKeyLength = 35;

// First name, surname, division, member number, events, paid, team, federation and bib.
std::string EntryLine(const TSkier& s);
// The first 35 characters of a line: first name (15), a space, surname (15), division (4).
std::string LineKey(std::string_view line);
std::string LineKey(const TSkier& s);
// The first skier of the list, in list order, whose line key is that of `line`.
std::optional<SkierList::Node> FindByLineKey(const SkierList& list, std::string_view line);
