#pragma once
// The help window's texts, one per topic number. Every "Help" button names its topic; an unknown
// number shows the general text.
#include <string>
#include <vector>

inline constexpr int kHelpUserGuide = 1;
inline constexpr int kHelpFileMenu = 2;
inline constexpr int kHelpEntryMenu = 3;
inline constexpr int kHelpEventMenu = 4;
inline constexpr int kHelpCurrentActivity = 5;
inline constexpr int kHelpTournamentInfo = 6;
inline constexpr int kHelpResultsMenu = 7;
inline constexpr int kHelpPreferences = 8;
inline constexpr int kHelpOverallRules = 10;
inline constexpr int kHelpPlacementRules = 11;
inline constexpr int kHelpTeamRules = 12;
inline constexpr int kHelpEntryListTopic = 20;
inline constexpr int kHelpEntryFormTopic = 21;
inline constexpr int kHelpImportLayout = 22;
inline constexpr int kHelpTeamNames = 23;
inline constexpr int kHelpEntryReports = 24;
inline constexpr int kHelpSeeding = 30;
inline constexpr int kHelpStartLists = 31;
inline constexpr int kHelpSchedule = 32;
inline constexpr int kHelpSheets = 33;
inline constexpr int kHelpResultsInput = 40;
inline constexpr int kHelpEventResults = 41;
inline constexpr int kHelpTeamResults = 43;
inline constexpr int kHelpPrintResults = 44;
inline constexpr int kHelpExports = 45;
inline constexpr int kHelpResultsFiling = 46;
inline constexpr int kHelpViewResults = 47;
inline constexpr int kHelpOfficials = 48;
inline constexpr int kHelpAbout = 49;
inline constexpr int kHelpQuickEntry = 401;
inline constexpr int kHelpTrickPasses = 411;
inline constexpr int kHelpDeclaredPasses = 412;

struct HelpTopic {
  int number;
  const char* title;
  const char* text;  // lines separated by '\n'
};

// Every topic, in the order the user guide lists them.
const std::vector<HelpTopic>& HelpTopics();
bool HasHelpTopic(int number);
// The title line, a blank line and the topic's text; the general text for an unknown number.
std::vector<std::string> HelpTopicLines(int number);
