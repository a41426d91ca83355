#pragma once
// A small entry list for the entry list reports: three divisions and a skier without one, names
// longer than the screen's columns, an unpaid slalom-only entry and an entry with no payment mark.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/divisions.h"
#include "core/file_io.h"
#include "support/skier_builders.h"

inline void EntryIdentity(TSkier& s, const char* member, const char* bib, const char* team,
                          const char* paid) {
  s.MemberId = member;
  s.Bib = bib;
  s.Team = team;
  s.Paid = paid;
}

inline void AddEntryListSkiers(Tournament& t, Platform& p) {
  constexpr int kBU14 = 10, kM = 16, kW = 17;
  EntryIdentity(AddSkier(t, p, "BROWN", "Anna", kW), "100234", "12", "WAT", "Y");
  EntryIdentity(AddSkier(t, p, "CARTER", "Tom", kM, "S"), "9001", "7", "LKS", "N");
  EntryIdentity(AddSkier(t, p, "DUPONT", "Luc", kNoDivision, "T"), "", "", "", "");
  EntryIdentity(AddSkier(t, p, "EVANS", "Mark", kM, "SJ"), "1234567890", "101", "NOR", "Y");
  EntryIdentity(AddSkier(t, p, "VANDERHOEVENSEN", "Christopherus", kBU14), "55", "3", "WAT", "Y");
  t.CurDivision = kM;
}

// The lines of a file written by hand under tests/data/expected.
inline std::vector<std::string> ExpectedLines(const std::string& name) {
  std::ifstream in(std::string(TALLIVAR_TEST_DATA) + "/expected/" + name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return SplitLines(ss.str());
}
