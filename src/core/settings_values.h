#pragma once
// The start-up defaults kept in the settings file, and the reference tables read from it.
#include <array>

#include "core/short_string.h"

struct SettingsValues {
  ShortString<3> Country{"CAN"};
  int RulesMode = 0;  // 0 ZETL, 1 AWSA, 2 IWWF, 3 adapted
  ShortString<255> LastFile;
  ShortString<5> TeamMode{"BEST3"};
  char PlaceMode = 'B';  // B best, F first round, L last round, T total
  ShortString<3> Prov{"IND"};
  ShortString<10> SiteCode{"CAN0000"};

  bool operator==(const SettingsValues&) const = default;
};

struct ReferenceTables {
  // National records per division 0..59: [division][0 slalom, 1 trick, 2 jump]; rows 50..59 stay 0.
  std::array<std::array<double, 3>, 60> Records{};
  // AWSA overall performance standards for divisions 0..55: [0 slalom, 1 trick, 2 jump][division].
  std::array<std::array<double, 56>, 3> Nops{};
  ShortString<30> RecordsTitle;
  bool RecordsLoaded = false;
};
