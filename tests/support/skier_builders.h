#pragma once
// Small helpers for building skiers in tests.
#include <string>

#include "core/skier_ops.h"
#include "core/tournament.h"
#include "support/shown_outcome.h"
#include "support/skier_list_access.h"
#include "support/test_platform.h"

inline TSkier MakeSkier(Tournament& t, const std::string& surname, const std::string& first, int division,
                        const std::string& events = "STJ") {
  BlankWorkingRecord(t);
  TSkier s = t.Working;
  s.Surname = surname;
  s.FirstName = first;
  s.Division = static_cast<std::uint8_t>(division);
  if (events.find('S') != std::string::npos) s.SlalomEntry = "S";
  if (events.find('T') != std::string::npos) s.TrickEntry = "T";
  if (events.find('J') != std::string::npos) s.JumpEntry = "J";
  return s;
}

inline TSkier& AddSkier(Tournament& t, Platform& p, const std::string& surname, const std::string& first,
                        int division, const std::string& events = "STJ") {
  TSkier s = MakeSkier(t, surname, first, division, events);
  Shown(p.prompt, InsertOrReplace(t, s));
  for (auto& n : SkierNodes(t))
    if (n.Surname == s.Surname && n.FirstName == s.FirstName && n.Division == s.Division) return n;
  return SkierNodes(t).back();
}

inline std::vector<std::string> Surnames(const Tournament& t) {
  std::vector<std::string> out;
  for (const auto& n : SkierNodes(t)) out.push_back(n.Surname.str() + "/" + n.FirstName.str());
  return out;
}
