#include "entries/team_lists.h"

#include "core/divisions.h"

std::vector<std::string> TeamCodesOffered(int rulesMode, const std::vector<std::string>& federationCodes) {
  switch (rulesMode) {
    case kAwsaRules:
      return {"USA"};
    case kIwwfRules: {
      std::vector<std::string> items{"IND*"};
      items.insert(items.end(), federationCodes.begin(), federationCodes.end());
      return items;
    }
    default:
      return {"AB", "BC", "MB", "NB", "NF", "NS", "ON", "QC", "PE", "SK", "IND", "INT"};
  }
}

bool PreselectsDefaultProvince(int rulesMode) { return rulesMode != kAwsaRules; }

int IndexOfItem(const std::vector<std::string>& items, const std::string& code) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == code) return static_cast<int>(i);
  return -1;
}
