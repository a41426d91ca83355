#include "printing/pass_headings.h"

#include <algorithm>
#include <string_view>

#include "core/divisions.h"

namespace {

using Headings = std::vector<std::string>;

struct Row {
  std::vector<std::string_view> divisions;
  Headings headings;
};

const Headings kBuoyCounts{"Score", "6", "12", "18", "24", "30", "36", "42", "48", "54", "60"};

const std::vector<Row>& ZetlRecapRows() {
  static const std::vector<Row> rows{
      {{"MU21", "M", "M1", "M2", "EM", "OM"},
       {"49", "52", "55", "58", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}},
      {{"WU21", "W", "W1", "M3", "M4", "M5", "M6", "M35", "M45", "M55", "EW", "OW"},
       {"46", "49", "52", "55", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}},
      {{"M7", "M8", "M65", "M70"},
       {"43", "46", "49", "52", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}},
      {{"MU17", "AM", "AW"}, {"28", "31", "34", "37", "40", "43", "46", "49", "52", "55", "58"}},
      {{"W2", "W3", "W35"}, {"40", "43", "46", "49", "52", "55", "16", "14.25", "13", "12", "11.25"}},
      {{"W4", "W5", "W6", "W45", "W55"},
       {"40", "43", "46", "49", "52", "16", "14.25", "13", "12", "11.25", "10.75"}},
      {{"BU10", "GU10", "W7", "W8", "M9", "W9", "W65", "W70", "M75", "W75", "M80", "W80"},
       {"28", "31", "34", "37", "40", "43", "46", "49", "16", "14.25", "13"}},
      {{"BU12", "GU12", "GU14"}, {"28", "31", "34", "37", "40", "43", "46", "49", "52", "16", "14.25"}},
      {{"BU14", "WU17"}, {"28", "31", "34", "37", "40", "43", "46", "49", "52", "55", "16"}},
  };
  return rows;
}

// The scoring form differs from the recap form for these ZETL divisions only.
const std::vector<Row>& ZetlScoringRows() {
  static const std::vector<Row> rows{
      {{"BU10", "GU10"}, {"25", "28", "31", "34", "37", "40", "43", "46", "49", "16", "14.25"}},
      {{"W7", "W8", "M9", "W9", "W65", "W70", "M75", "W75", "M80", "W80"},
       {"28", "31", "34", "37", "40", "43", "46", "49", "16", "14.25", "13"}},
  };
  return rows;
}

const std::vector<Row>& IwwfRecapRows() {
  static const std::vector<Row> rows{
      {{"M35", "W35", "M45", "W45", "M55", "W55", "IM", "IW"},
       {"18.25", "16", "14.25", "13", "12", "11.25", "10.75", "10.25", "9.75", "9.50"}},
      {{"WU17"}, {"43", "46", "49", "52", "16", "14.25", "13", "12", "11.25", "10.75"}},
      {{"MU17"}, {"49", "52", "55", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}},
  };
  return rows;
}

const std::vector<Row>& IwwfScoringRows() {
  static const std::vector<Row> rows{
      {{"MU21", "WU21", "IM", "IW"},
       {"18.25", "16", "14.25", "13", "12", "11.25", "10.75", "10.25", "9.75", "9.50"}},
      {{"MU17", "M35"}, {"55", "58", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}},
      {{"WU17", "W35", "M45"}, {"52", "55", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}},
      {{"W45"}, {"49", "52", "55", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}},
      {{"M55"}, {"46", "52", "55", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}},
      {{"W55", "M65"}, {"43", "46", "49", "52", "16", "14.25", "13", "12", "11.25", "10.75"}},
  };
  return rows;
}

const Headings* Lookup(const std::vector<Row>& rows, const std::string& code) {
  for (const auto& row : rows)
    if (std::find(row.divisions.begin(), row.divisions.end(), code) != row.divisions.end())
      return &row.headings;
  return nullptr;
}

}  // namespace

std::vector<std::string> RecapPassHeadings(int rulesMode, int division) {
  const std::string code = DivisionCode(division);
  switch (rulesMode) {
    case kZetlRules:
      if (auto* h = Lookup(ZetlRecapRows(), code)) return *h;
      return {};
    case kIwwfRules:
      if (auto* h = Lookup(IwwfRecapRows(), code)) return *h;
      return {};
    default:
      return kBuoyCounts;
  }
}

std::vector<std::string> ScoringPassHeadings(int rulesMode, int division) {
  const std::string code = DivisionCode(division);
  switch (rulesMode) {
    case kZetlRules:
      if (auto* h = Lookup(ZetlScoringRows(), code)) return *h;
      return RecapPassHeadings(rulesMode, division);
    case kIwwfRules:
      if (auto* h = Lookup(IwwfScoringRows(), code)) return *h;
      return kBuoyCounts;
    default:
      return {};
  }
}
