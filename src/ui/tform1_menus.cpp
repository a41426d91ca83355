// The main window's menu bar as data: titles, captions with their accelerators, separators, and
// which command each item runs.
#include "ui/tform1.h"

namespace {

MenuCommand Item(std::string name, std::string caption, std::function<void()> action, bool enabled = true,
                 std::string shortcut = "") {
  return MenuCommand{std::move(name), std::move(caption), std::move(action), enabled, std::move(shortcut)};
}

MenuCommand Separator() { return MenuCommand{}; }

}  // namespace

std::vector<Menu> TForm1::Menus() {
  const TForm1Hooks& h = hooks;
  bool inputResults =
      t_.info.ClassDigit == '1' ? static_cast<bool>(h.showQuickEntry) : static_cast<bool>(h.showResultList);
  std::vector<Menu> menus;
  menus.push_back({"&File",
                   {Item(
                        "New1", "&New", [this] { New1Click(); }, static_cast<bool>(h.showTourInfo)),
                    Item(
                        "Open1", "&Open...", [this] { Open1Click(); }, true, "Ctrl+O"),
                    Item(
                        "Save1", "&Save", [this] { Save1Click(); }, true, "Ctrl+S"),
                    Item("SaveAs1", "Save &As...", [this] { SaveAs1Click(); }), Separator(),
                    Item("Print1", "&Print...", [this] { Print1Click(); }),
                    Item("PrintSetup1", "P&rint Setup...", [this] { PrintSetup1Click(); }), Separator(),
                    Item(
                        "Preferences1", "Preferences", [this] { Preferences1Click(); },
                        static_cast<bool>(h.showPreferences)),
                    Item("Exit1", "E&xit", [this] { Exit1Click(); })}});
  menus.push_back(
      {"&Entry",
       {Item(
            "AddEntry1", "&Skier Entry", [this] { AddEntry1Click(); }, static_cast<bool>(h.showEntryList)),
        Item(
            "ImportEntries1", "Import Entries", [this] { ImportEntries1Click(); },
            static_cast<bool>(h.showImport)),
        Item(
            "ListEntries1", "&List Entries...", [this] { ListEntries1Click(); },
            static_cast<bool>(h.showEntryLists)),
        Item("ClearAllEntries1", "&Clear All Entries", [this] { ClearAllEntries1Click(); }),
        Item("ClearAllScores1", "Clear &All Scores", [this] { ClearAllScores1Click(); }),
        Item(
            "Teams1", "&Team Names", [this] { Teams1Click(); }, static_cast<bool>(h.showTeamList))}});
  menus.push_back(
      {"e&Vent",
       {Item(
            "Seeding1", "&Seeding", [this] { Seeding1Click(); }, static_cast<bool>(h.showSeedOptions)),
        Item(
            "JudgingSheets1", "&Judging/Scoring Sheets ...", [this] { JudgingSheets1Click(); },
            static_cast<bool>(h.showScoreFormOptions)),
        Item(
            "StartListSheets1", "Starting Lists ...", [this] { StartListSheets1Click(); },
            static_cast<bool>(h.showStartList)),
        Item(
            "AllStartLists1", "Start Lists of &All Divisions", [this] { AllStartLists1Click(); },
            static_cast<bool>(h.printAllStartLists)),
        Item(
            "EventSchedule1", "&Event Schedule", [this] { EventSchedule1Click(); },
            static_cast<bool>(h.showSchedule)),
        // Also reachable from the result list, where a newcomer would not look for it.
        Item(
            "EventOfficials1", "&Officials ...", [this] { EventOfficials1Click(); },
            static_cast<bool>(h.showOfficials))}});
  menus.push_back({"&Results",
                   {Item(
                        "InputResults1", "&Input Results", [this] { InputResults1Click(); }, inputResults),
                    Item(
                        "ViewResults1", "&View Results", [this] { ViewResults1Click(); },
                        static_cast<bool>(h.showResultView)),
                    Item(
                        "TeamResults1", "&Team Results", [this] { TeamResults1Click(); },
                        static_cast<bool>(h.showTeamResults)),
                    Item(
                        "ExporttoTextfile1", "Export to &Textfile", [this] { ExporttoTextfile1Click(); },
                        static_cast<bool>(h.runTextExport)),
                    Item(
                        "ExporttoCSVFile1", "Export to &CSV File", [this] { ExporttoCSVFile1Click(); },
                        static_cast<bool>(h.runCsvExport)),
                    Item(
                        "PrintResults1", "&Print Results ...", [this] { PrintResults1Click(); },
                        static_cast<bool>(h.showResultPrint)),
                    Item(
                        "ResultsPage1", "&Results Page", [this] { ResultsPage1Click(); },
                        static_cast<bool>(h.writeResultsPage)),
                    Item(
                        "LiveResults1", "&Live Results...", [this] { LiveResults1Click(); },
                        static_cast<bool>(h.showLiveResults))}});
  menus.push_back(
      {"&Help",
       {Item("UserGuide", "&User Guide", [this] { UserGuideClick(); }),
        Item(
            "SetUpInfo1", "&Show Setup", [this] { SetUpInfo1Click(); }, static_cast<bool>(h.showSetupInfo)),
        Item(
            "About1", "&About...", [this] { About1Click(); }, static_cast<bool>(h.showAbout))}});
  return menus;
}
