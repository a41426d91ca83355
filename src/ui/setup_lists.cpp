#include "ui/setup_lists.h"

namespace {

const char* const kUnassignedSite = "CAN0000";

std::vector<EventTypeChoice> NationalEventTypes() {
  static const char* const kLevels[] = {"Club", "Provincials", "Atlantics", "Easterns", "Westerns", "Nationals"};
  static const char kLetters[] = {'R', 'P', 'A', 'E', 'W', 'N'};
  static const char* const kClasses[] = {"Regular Sanction", "Canadian Record Capable", "World Ranking List",
                                         "World Record Capable"};
  std::vector<EventTypeChoice> out;
  for (int level = 0; level < 6; ++level)
    for (int cls = 0; cls < 4; ++cls) {
      char digit = static_cast<char>('1' + cls);
      out.push_back({std::string(kLevels[level]) + " - " + kClasses[cls], std::string{kLetters[level], digit}, digit});
    }
  return out;
}

}  // namespace

const std::vector<std::string>& FederationCodes() {
  static const std::vector<std::string> kCodes = {
      "ARG", "AUS", "AUT", "BAR", "BEL", "BER", "BLR", "BRA", "BRU", "BUL", "CAM", "CAN", "CHI", "CHN", "COL",
      "CRI", "CRO", "CUB", "CYP", "CZE", "DEN", "DOM", "ECU", "EGY", "ESP", "FIN", "FRA", "GBR", "GEO", "GER",
      "GRE", "GUA", "HKG", "HUN", "INA", "IND", "IRI", "IRL", "IRQ", "ISR", "ITA", "JAM", "JOR", "JPN", "KOR",
      "LAT", "LIB", "LTU", "LUX", "MAR", "MAS", "MEX", "MGL", "MLT", "NAM", "NED", "NOR", "NZL", "PAR", "PER",
      "PHI", "PLE", "PNG", "POL", "POR", "PRK", "QAT", "RSA", "RUS", "SER", "SIN", "SLO", "SPA", "SUI", "SVK",
      "SWE", "THA", "TPE", "TUR", "UAE", "UKR", "USA", "VEN", "VIE", "ZIM"};
  return kCodes;
}

const std::vector<std::string>& ProvinceCodes() {
  static const std::vector<std::string> kCodes = {"AB", "BC", "MB", "NB", "NF", "NS", "ON", "PE", "QC", "SK"};
  return kCodes;
}

const std::vector<EventTypeChoice>& EventTypeChoices(int rulesMode) {
  static const std::vector<EventTypeChoice> kNational = NationalEventTypes();
  static const std::vector<EventTypeChoice> kAwsa = {{"C - Class C", "C", '\0'},
                                                     {"E - AWSA Record", "E", '\0'},
                                                     {"L - World Ranking List", "L", '\0'},
                                                     {"R - World Record", "R", '\0'}};
  static const std::vector<EventTypeChoice> kIwwf = {{"WRL - World Ranking List", "I3", '3'},
                                                     {"WRC - World Record Capable", "I4", '4'}};
  if (rulesMode == 1) return kAwsa;
  if (rulesMode == 2) return kIwwf;
  return kNational;
}

int EventTypeIndex(int rulesMode, const std::string& code) {
  const auto& choices = EventTypeChoices(rulesMode);
  for (std::size_t i = 0; i < choices.size(); ++i)
    if (choices[i].code == code) return static_cast<int>(i);
  return -1;
}

const std::vector<std::string>& SiteCodeLines() {
  static const std::vector<std::string> kLines = {
      "CAN0000 - Unassigned or New Site",    "CAN0725 - Shalom Park, Edmonton",
      "CAN2266 - Lake Bannook, Dartmouth",   "CAN2652 - Pt Colbourne Ts, Ontario",
      "CAN2748 - Ashton Lake, Ontario",      "CAN2874 - Bushes-Bala, Ontario",
      "CAN3378 - Destiny Lake, Orangeville", "CAN3633 - Dodd Lake, Olds",
      "CAN3925 - Albert Dyck Park, Abbotsford", "CAN4365 - Henley, St Catharines",
      "CAN6645 - Lake Dubois, Mono Mills",   "CAN6790 - Ontario Place, Toronto",
      "CAN7284 - Proline Saskatoon, Sask",   "CAN7437 - Sherbrooke, Quebec",
      "CAN7447 - Lake Shirley, Winnipeg",    "CAN7688 - Southwood Lake, Ottawa",
      "CAN7733 - Predator Bay, Calgary",     "CAN7836 - Lac Bouillon, St Donat",
      "CAN7866 - Spray Lake, Newmarket",     "CAN7867 - Sunset Lake, Ottawa",
      "CAN7874 - St Pierre, Quebec",         "CAN7875 - Puslinch Lake, Ontario",
      "CAN8232 - Safari Lake, Ontario"};
  return kLines;
}

std::string SiteCodeAt(int index) {
  const auto& lines = SiteCodeLines();
  if (index < 0 || index >= static_cast<int>(lines.size())) return kUnassignedSite;
  // What the scorer sees is what is stored: the code is the line up to " - ".
  const std::string& l = lines[static_cast<std::size_t>(index)];
  return l.substr(0, l.find(" - "));
}

int SiteCodeIndex(const std::string& code) {
  const auto& lines = SiteCodeLines();
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (SiteCodeAt(static_cast<int>(i)) == code) return static_cast<int>(i);
  return -1;
}
