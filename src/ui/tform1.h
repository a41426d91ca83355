#pragma once
// The main window: its status bar, its menus as plain data and one method per menu command. The
// desktop window only lays these out and forwards clicks.
#include <functional>
#include <string>
#include <vector>

#include "core/tournament.h"
#include "ui/controls.h"
#include "ui/event_lock_keeper.h"
#include "ui/live_results_keeper.h"
#include "ui/platform.h"
#include "ui/recovery_keeper.h"

struct MenuCommand {
  std::string name;     // "Open1"; empty for a separator
  std::string caption;  // with its "&" accelerator
  std::function<void()> action;
  bool enabled = true;
  std::string shortcut;  // "Ctrl+O", or empty
  bool separator() const { return name.empty(); }
};

struct Menu {
  std::string caption;
  std::vector<MenuCommand> items;
};

// The dialogs and exports that other parts of the program provide. Each is wired with one line by
// whoever builds the program; a command whose hook is empty is shown disabled.
struct TForm1Hooks {
  std::function<void()> showTourInfo;              // New: TfrmTourInfo
  std::function<void()> showPreferences;           // TfrmPreferences
  std::function<void()> showEntryList;             // Skier Entry: TfrmEntryList
  std::function<void()> showImport;                // TfrmImport
  std::function<void()> showEntryLists;            // List Entries: TfrmEntryLists
  std::function<void()> showTeamList;              // TfrmTeamList
  std::function<void()> showSeedOptions;           // TfrmSeedOpt
  std::function<void()> showScoreFormOptions;      // TScoreFormOptions
  std::function<void()> showStartList;             // TfrmStartList
  std::function<void()> showSchedule;              // TfrmSched
  std::function<void()> showOfficials;             // officials of the current event
  std::function<void()> printAllStartLists;        // every division, current event and round, one job
  std::function<void()> showResultList;            // Input Results: TfrmResultList
  std::function<void(char event)> showQuickEntry;  // TBasicSlalomForm, TfrmBasicTrick, TfrmBasicJump
  std::function<void()> showResultView;            // TfrmRsltView
  std::function<void()> showTeamResults;           // TfrmTeamRslt
  std::function<void()> showResultPrint;           // TfrmRsltPrint
  std::function<void()> showSetupInfo;             // TfrmSetupInfo
  std::function<void()> showAbout;                 // TAboutBox
  std::function<void()> runTextExport;             // writes t.TxtExportFile
  std::function<void()> runCsvExport;              // writes t.CsvExportFile
  // Writes the results page beside the named event; answers false after a warning naming the file.
  std::function<bool()> writeResultsPage;
  std::function<void()> showLiveResults;  // TfrmLiveResults
};

inline constexpr const char* kUntitled = "untitled.dat";

// "ZETL Rules", "AWSA Rules", "IWWF Rules", "Adapted Rules"; empty for any other rule set.
std::string RulesPanelText(int rulesMode);

class TForm1 {
 public:
  TForm1(Tournament& t, Platform& p);

  TForm1Hooks hooks;
  StatusBar StatusBar1;

  // The menu bar, built afresh so that each command's enabled flag follows its hook.
  std::vector<Menu> Menus();
  // The window title: the program and the event that is open.
  std::string Caption() const;
  // Shows the current selection in the status bar once another dialog has changed it.
  void RefreshStatus();
  // After the settings file was read at start-up: the rule set panel shows the rules in force.
  void SettingsRead() { SetRulesPanel(); }
  // After every handler and command the program runs: a change that completed is copied to the
  // recovery file.
  // The copy of an event open read-only would be another program's copy: none is written.
  // The live results follow the same completed changes, also of an event open read-only.
  void Checkpoint() {
    t_.EventReadOnly = lock_.readOnly();
    if (!lock_.readOnly()) recovery_.Checkpoint(HasName());
    live_.Checkpoint();
  }
  // The live results server, which goes on serving after its dialog closed.
  LiveResultsKeeper& live() { return live_; }
  // Whether the open event is someone else's and may only be looked at.
  bool ReadOnly() const { return lock_.readOnly(); }
  // At start-up: offers back the unsaved work of the last event or of a new event.
  void OfferRecoveryAtStartup();

  void New1Click();
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();
  void Print1Click();
  void PrintSetup1Click();
  void Preferences1Click();
  void Exit1Click();
  void AddEntry1Click();
  void ImportEntries1Click();
  void ListEntries1Click();
  void ClearAllEntries1Click();
  void ClearAllScores1Click();
  void Teams1Click();
  void Seeding1Click();
  void JudgingSheets1Click();
  void StartListSheets1Click();
  void EventSchedule1Click();
  void EventOfficials1Click();
  void AllStartLists1Click();
  void InputResults1Click();
  void ViewResults1Click();
  void TeamResults1Click();
  void ExporttoTextfile1Click();
  void ExporttoCSVFile1Click();
  void PrintResults1Click();
  void ResultsPage1Click();
  void LiveResults1Click();
  void UserGuideClick();
  void SetUpInfo1Click();
  void About1Click();

  // The user closes the main window; answers whether it may close.
  bool FormClose();
  // Exit asked the program to end.
  bool exitRequested() const { return exitRequested_; }

 private:
  bool Named() const { return StatusBar1.panels[0] != kUntitled; }
  // Whether Save writes to EventFile without asking.
  bool HasName() const { return Named() && !t_.EventFile.empty(); }
  // SaveEvent; the copy of the unsaved work is no longer needed, and the results page is written
  // beside the event (a page that cannot be written is only a warning, never a failed save).
  bool SaveClean();
  void TookRecovered(Recovered what);
  // Nothing is left unsaved: the copy of the work goes, unless it is another program's.
  void DiscardRecovery();
  void SetRulesPanel();
  // Saves under EventFile and writes both exports under EventBase.
  bool SaveWithExports();
  // Asks for a name and saves under it; answers false only when a save was tried and failed.
  bool SaveWithDialog();
  // Saves under a new name; on failure the event keeps its old names.
  bool SaveUnder(const std::string& path);
  // Writes both exports under the event's base name; Save empties the names afterwards, Save As keeps them.
  void RunExportsUnderBase(bool keepNames = false);
  void RunExportsAsTheyStand();

  Tournament& t_;
  Platform& p_;
  bool exitRequested_ = false;
  Selection shownSelection_;  // the selection panel 1 shows: the start-up one at first
  RecoveryKeeper recovery_;
  EventLockKeeper lock_;
  LiveResultsKeeper live_;
};
