#pragma once
// The whole state of the open event and of the program's settings, owned by main() and passed by
// reference to every operation and dialog.
#include <cstdint>
#include <string>
#include <vector>

#include "core/schedule.h"
#include "core/selection.h"
#include "core/settings_values.h"
#include "core/short_string.h"
#include "core/skier.h"
#include "core/skier_list.h"
#include "core/teams.h"
#include "core/tie_order.h"
#include "core/trick_table_entry.h"
#include "core/tournament_info.h"

inline constexpr int kWorkListSize = 300;

// Whether the event holds changes that are not saved. Each time a change sets it, its change count
// moves on, so whoever keeps a copy of the unsaved work learns that a change completed without
// every change having to say so.
class UnsavedFlag {
 public:
  UnsavedFlag& operator=(bool value) {
    value_ = value;
    if (value) ++changes_;
    return *this;
  }
  operator bool() const { return value_; }  // NOLINT: read like the plain flag it replaces
  std::uint64_t changes() const { return changes_; }

 private:
  bool value_ = false;
  std::uint64_t changes_ = 0;
};

struct Tournament {
  // Settings file values and reference tables.
  SettingsValues settings;
  ReferenceTables tables;
  // The trick table, read again each time a trick pass dialog opens.
  std::vector<TrickTableEntry> TrickTable;

  // The event.
  TournamentInfo info;
  int RoundCount = 1;
  int EntryCounter = 0;  // the counter EntryNo is taken from
  TeamTable teams;
  Schedule schedule;
  // The lots drawn for finalists tied in round 1 (kept in the event's ".ties" file).
  TieOrders ties;

  SkierList skiers;
  int SkierCount = 0;

  // The division work list, indexed 1..300, and its fill count.
  std::vector<TSkier> Work = std::vector<TSkier>(kWorkListSize + 1);
  int WorkCount = 0;
  // Inside an operation that selects divisions many times, the message that a division holds more
  // than the work list is shown once (see OneWorkListMessage).
  int workListMessageScopes = 0;
  bool workListMessageShown = false;
  // The single working record: the entry form's working entry and the scoring dialogs' edit record.
  TSkier Working{};

  // Current selection.
  int CurDivision = 16;
  char CurEvent = 'S';
  int CurRound = 1;
  // The main window's status bar text for the current selection (panel 1).
  std::string StatusSelection = "Div:M  Event:S  Round:1";

  // Files.
  ShortString<255> EventFile;
  ShortString<255> EventBase;
  ShortString<255> TxtExportFile;
  ShortString<255> CsvExportFile;
  // Where the settings file lives (the working directory at start-up).
  std::string SettingsDir = ".";
  // The settings file read instead of TALLIVAR.INI of that folder (the command line's --settings).
  std::string SettingsFile;

  UnsavedFlag Unsaved;

  // Start-up defaults with the empty list and its two sentinels.
  Tournament();

  Selection Selected() const { return {CurDivision, CurEvent, CurRound}; }
  void Select(const Selection& s) {
    CurDivision = s.division;
    CurEvent = s.event;
    CurRound = s.round;
  }
  TSkier& WorkAt(int i) { return Work[static_cast<std::size_t>(i)]; }
  const TSkier& WorkAt(int i) const { return Work[static_cast<std::size_t>(i)]; }
  int RulesMode() const { return settings.RulesMode; }
  char PlaceMode() const { return settings.PlaceMode; }
};
