#pragma once
// The team or province codes the entry form offers under each rule set.
#include <string>
#include <vector>

// The items of the team list, in order. The international rules offer "IND*" and then the
// federation codes, which the caller passes in.
std::vector<std::string> TeamCodesOffered(int rulesMode, const std::vector<std::string>& federationCodes);
// Whether clearing the form preselects the default province of the preferences.
bool PreselectsDefaultProvince(int rulesMode);
// The index of the item equal to `code`, or -1.
int IndexOfItem(const std::vector<std::string>& items, const std::string& code);
