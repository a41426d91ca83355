#pragma once
// The fixed choice lists of the setup dialogs: federations, provinces, event types per rule set and
// the known tournament sites.
#include <string>
#include <vector>

// The three-letter federation codes in alphabetical order (also the entry form's list).
const std::vector<std::string>& FederationCodes();
// The province codes of the national rules.
const std::vector<std::string>& ProvinceCodes();

// One line of the event type list and what choosing it stores. classDigit '\0' leaves the class
// as it is.
struct EventTypeChoice {
  std::string line;
  std::string code;
  char classDigit;
};
// The event types offered under a rule set (0 ZETL, 1 AWSA, 2 IWWF, 3 adapted).
const std::vector<EventTypeChoice>& EventTypeChoices(int rulesMode);
// The position of a stored event type in the rule set's list, or -1.
int EventTypeIndex(int rulesMode, const std::string& code);

// The site list lines, "CAN0725 - Shalom Park, Edmonton" and so on; each stores the code it shows.
const std::vector<std::string>& SiteCodeLines();
// The code a site line stores; no selection stores "CAN0000".
std::string SiteCodeAt(int index);
// The position of a stored site code in the list, or -1.
int SiteCodeIndex(const std::string& code);
