// Help texts of the file, entry and setup side of the program.
#include "help/help_texts.h"

const std::vector<HelpTopic>& SetupHelpTopics() {
  static const std::vector<HelpTopic> topics = {
      {kHelpUserGuide, "Tallivar User Guide",
       "Tallivar keeps the entries, scores, placements and standings of one water-ski tournament\n"
       "in slalom, trick and jump.\n"
       "\n"
       "A tournament day usually runs like this:\n"
       "  1. File > New: fill in the tournament information (name, dates, officials, rounds,\n"
       "     rules). File > Save names the event file (.dat); all other files of the event are\n"
       "     kept beside it under the same name.\n"
       "  2. Entry > Skier Entry or Import Entries: enter the skiers, their divisions and events.\n"
       "  3. eVent > Seeding and Starting Lists: seed the divisions and print the start lists and\n"
       "     judging sheets.\n"
       "  4. Results > Input Results: choose the division, event and round (shown in the middle of\n"
       "     the status bar) and type in each skier's result from the judges' sheets.\n"
       "  5. Results > View, Team and Print Results; Export to Textfile and CSV File for the\n"
       "     federation.\n"
       "\n"
       "Save often. Save writes the whole event and keeps the previous skier file as .bak. When you\n"
       "leave the program with unsaved changes it asks whether to save them first.\n"
       "\n"
       "The status bar shows, from left to right: the event file, the current division, event and\n"
       "round, and the rule set in use.\n"
       "\n"
       "Every dialog has a Help button that opens the page about that dialog."},
      {kHelpFileMenu, "File Menu",
       "New - opens the tournament information; the skiers already entered are kept.\n"
       "Open... (Ctrl+O) - reads an event file (.dat) and the files kept beside it.\n"
       "Save (Ctrl+S) - writes the event. A new event asks for a file name first. A named event\n"
       "also writes the results text file (.txt) and the CSV export beside it.\n"
       "Save As... - saves the event under a new name and copies its trick passes along.\n"
       "Print... and Print Setup... - choose and set up the printer (or print to a PDF file).\n"
       "Preferences - the start-up defaults: country, rules, placement, team scoring, province and\n"
       "site code, kept in TALLIVAR.INI.\n"
       "Exit - ends the program; with unsaved data you are asked to save first. Answering Yes saves\n"
       "and keeps the program open, so you can check the result; choose Exit again to leave."},
      {kHelpEntryMenu, "Entry Menu",
       "Skier Entry - the list of entered skiers, where you add, change and delete entries.\n"
       "Import Entries - reads a comma-separated file of entries prepared elsewhere.\n"
       "List Entries... - prints the entry lists.\n"
       "Clear All Entries - deletes every skier after a confirmation. The event file name stays, so\n"
       "a following Save overwrites the event's files with the empty list.\n"
       "Clear All Scores - removes every score but keeps the skiers and their entries.\n"
       "Team Names - the codes and names of the teams."},
      {kHelpEventMenu, "Event Menu",
       "Seeding - computes seed values from the entered seed scores and sets the start order.\n"
       "Judging/Scoring Sheets ... - prints blank or seeded judging and scoring sheets.\n"
       "Starting Lists ... - prints the start lists of a division, event and round.\n"
       "Event Schedule - plans the four days of the tournament: which division skis which event\n"
       "when, from the minutes per skier and each day's start time."},
      {kHelpCurrentActivity, "Current Division, Event and Round",
       "Every results dialog works on one division, one event and one round at a time.\n"
       "Pick the division in the list, then the event and the round, and press Apply Choice.\n"
       "The event and round take effect at once; the division only with Apply Choice.\n"
       "A round beyond the number of rounds of the tournament setup is accepted with a warning.\n"
       "The choice is shown in the middle of the main window's status bar."},
      {kHelpTournamentInfo, "Tournament Information",
       "Enter the tournament's name, start and end date (YYYYMMDD), the chief of competition, the\n"
       "scorer, the chief boat driver, the safety director and the technical controller, and the\n"
       "sanction number (for example 26CAN123).\n"
       "Choose the number of rounds, the scoring rules, the placement rule and the team scoring,\n"
       "then the event type and the site. The event type's class decides, among others, whether\n"
       "Input Results opens the quick-entry grids (class 1) or the result list.\n"
       "Complete stores the information; Clear Form empties it."},
      {kHelpResultsMenu, "Results Menu",
       "Input Results - enter or correct the results of the current division and event.\n"
       "View Results - the placements of the current division and event on screen.\n"
       "Team Results - team standings under the team scoring chosen in the setup.\n"
       "Export to Textfile - the official results as a text file.\n"
       "Export to CSV File - the results file the federation of the chosen rules expects.\n"
       "Print Results ... - printed results, overall standings and other reports."},
      {kHelpPreferences, "Preferences",
       "The preferences are the defaults the program starts with: the country, the scoring rules,\n"
       "the placement rule, the team scoring, the province and the site code. They are written to\n"
       "TALLIVAR.INI in the program's working folder when you confirm them, together with the last\n"
       "event file used. The national records and standards further down that file are kept.\n"
       "WARNING-DO NOT change settings after entering results!\n"
       "Scoring errors may occur. Places and overall points already stored are not recomputed\n"
       "until the next result of that division and event is saved."},
      {kHelpOverallRules, "Overall Scoring",
       "Overall points add up a skier's results in the three events, each event scored against\n"
       "the best result of the division. The scoring rules of the settings decide the formulas:\n"
       "ZETL Rules 1000pt overall scoring.\n"
       "AWSA Rules 1000pt overall scoring.\n"
       "IWWF Rules 1000pt overall scoring.\n"
       "Adapted based overall scoring.\n"
       "Only skiers entered in all three events are placed overall. The overall score is\n"
       "recomputed every time a result is saved.\n"
       "WARNING-DO NOT change settings after entering results!\n"
       "Scoring errors may occur."},
      {kHelpPlacementRules, "Placement Rules",
       "Best Score: each skier is placed by the best round. First Round or Last Round: only that\n"
       "round counts. Total Score: the rounds are added up.\n"
       "Equal scores share a place and the next place is skipped (1, 1, 3). A tie for a podium\n"
       "place can be settled by a runoff; the runoff place is entered with the result and keeps\n"
       "the scores unchanged for everything else."},
      {kHelpTeamRules, "Team Scoring Rules",
       "Best3: the three best skiers of a team count in each event.\n"
       "VOND: the national team rule. IWSF: the international rule, over two divisions.\n"
       "Sum: all skiers of the team count.\n"
       "Team codes come from the skiers' Team field; names from Entry > Team Names."},
      {kHelpEntryListTopic, "Entry List",
       "One line per skier: name, division, member number, events entered, paid, team, federation\n"
       "and bib. Add Entry opens an empty entry form; Edit Entry opens the selected skier (a double\n"
       "click does the same); Delete Entry removes the selected skier after a confirmation."},
      {kHelpEntryFormTopic, "Skier Entry Form",
       "Type the surname and first name, year of birth, member number, team and federation, choose\n"
       "the division and tick the events the skier enters. The seed scores and the declared trick\n"
       "passes can be entered from here as well. Save stores the entry; a skier with the same\n"
       "name and division is replaced, not entered twice."},
      {kHelpImportLayout, "Entry Import",
       "The import file holds one skier per line with the fields separated by commas:\n"
       "surname, first name, year of birth, member number, team, federation, division, slalom,\n"
       "trick and jump seed score, and jump ramp. A seed score above 0 enters the skier in that\n"
       "event. Get Import File loads the file into the grid, where you can check and correct it;\n"
       "OK adds every row as a skier."},
      {kHelpTeamNames, "Team Names",
       "A team code has up to 3 characters and a name up to 20. The team code of a skier is\n"
       "typed in the entry form; here you give each code its full name for the team results.\n"
       "A name stays with its code: when the skier of a team leaves, its name is kept and comes\n"
       "back with the next skier of that team."},
      {kHelpEntryReports, "Entry List Reports",
       "Prints or shows the entries: all skiers in alphabetical order, all skiers by division, or\n"
       "the skiers of the current division, with member number, bib, team, the events each skier\n"
       "entered and whether the entry is paid. Pick a list, then Print List or View List. Use them\n"
       "to check the entries with the skiers before the first round."},
  };
  return topics;
}
