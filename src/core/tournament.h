#pragma once
// The whole state of the open event and of the program's settings, owned by main() and passed by
// reference to every operation and dialog.
#include <cstdint>
#include <cstring>
#include <list>
#include <string>
#include <utility>
#include <vector>

#include "core/schedule.h"
#include "core/selection.h"
#include "core/settings_values.h"
#include "core/short_string.h"
#include "core/skier.h"
#include "core/skier_list.h"
#include "core/teams.h"
#include "core/tie_order.h"
#include "core/tournament_info.h"
#include "core/trick_table_entry.h"

inline constexpr int kWorkListSize = 300;

// Whether the event holds changes that are not saved: the count of changes made differs from the
// count at the last save or open. Only the tournament's own operations move the counts; whoever
// keeps a copy of the unsaved work watches changes() to learn that a change completed.
class UnsavedFlag {
 public:
  operator bool() const { return changes_ != saved_; }  // NOLINT: read like the plain flag it replaces
  std::uint64_t changes() const { return changes_; }

 private:
  friend struct Tournament;
  std::uint64_t changes_ = 0;
  std::uint64_t saved_ = 0;
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

  // Read freely; changed only through the operations below.
  SkierList skiers;

  // The single working record: the entry form's working entry and the scoring dialogs' edit record.
  TSkier Working{};

  // Scores typed in a result grid and not yet stored by its "Complete": the grid's division, event
  // and round and the edited records. The recovery copy keeps them, so a crash loses no typed
  // score; the grid clears them once it has stored or dropped them.
  struct GridEdits {
    int division = 0;
    char event = 0;
    int round = 0;
    std::vector<TSkier> skiers;
  } gridEdits;

  // Current selection.
  int CurDivision = 16;
  char CurEvent = 'S';
  int CurRound = 1;

  // Files.
  ShortString<255> EventFile;
  ShortString<255> EventBase;
  ShortString<255> TxtExportFile;
  ShortString<255> CsvExportFile;
  // Where the settings file lives (the working directory at start-up).
  std::string SettingsDir = ".";
  // The settings file read instead of TALLIVAR.INI of that folder (the command line's --settings).
  std::string SettingsFile;
  // The open event's files belong to another running Tallivar: this window may look, print and
  // export, and keeps its changes only through Save As, so none of the event's own files is written.
  bool EventReadOnly = false;

  UnsavedFlag Unsaved;

  // Start-up defaults with the empty list and its two sentinels.
  Tournament();

  int SkierCount() const { return skiers.size(); }

  // The changes of the skier list, each counted once.
  SkierList::Node InsertSkier(SkierList::Node before, const TSkier& record);
  void ReplaceSkier(SkierList::Node at, const TSkier& record);
  // Answers the node before the removed one, where a cursor moves.
  SkierList::Node RemoveSkier(SkierList::Node at);
  // Keeps the two sentinels; anything after the tail could never be saved and goes too.
  void RemoveAllSkiers();
  // Stores a record over the same skier's (IdentityOf), a round result or a place; counted only
  // when a stored byte changes. Answers false when the skier is no longer in the list.
  bool StoreSkier(const TSkier& record);
  // One change made to every real skier (totals, points), or with `sentinels` to every record the
  // skier file holds (clearing scores); counted when a stored byte changes.
  template <typename F>
  void ChangeEachSkier(F&& change, bool sentinels = false) {
    bool changed = false;
    for (auto& s : skiers.nodes_)
      if (sentinels || (&s != &skiers.nodes_.front() && &s != &skiers.nodes_.back())) {
        const TSkier before = s;
        change(s);
        changed = changed || std::memcmp(&before, &s, sizeof(TSkier)) != 0;
      }
    if (changed) MarkChanged();
  }

  // A score typed in a result grid and not yet stored: kept for the recovery copy (one record per
  // skier, the latest typing) and counted as a change.
  void KeepGridEdit(const Selection& grid, const TSkier& edited);
  // The lots of the selection's final from its round on, forgotten to be drawn again; counted when
  // there were any.
  void ForgetTies(const Selection& final) {
    if (ForgetTieOrders(ties, final.division, final.event, final.round)) MarkChanged();
  }
  // A team's display name (cut to 20 by the slot); counted when it changes.
  void RenameTeam(int slot, const std::string& name);
  // A result, trick pass or seed typed into a scoring dialog: a change to keep even before the edit
  // record is stored.
  void ResultTyped() { MarkChanged(); }
  // What the setup dialog stores: names, dates and level, the rule set and modes, the rounds.
  struct Setup {
    TournamentInfo info;
    SettingsValues settings;
    int rounds = 1;
  };
  Setup CurrentSetup() const { return {info, settings, RoundCount}; }
  // Counted when any of it changes.
  void StoreSetup(const Setup& setup);
  // A schedule entry typed.
  void ScheduleChanged() { MarkChanged(); }
  // Any other change of the event's data, for the operations of the event itself.
  void MarkChanged() { ++Unsaved.changes_; }
  // The list as the event's files or a recovery copy hold it, sentinels included; by itself no change.
  void LoadSkiers(std::list<TSkier> nodes) { skiers.nodes_ = std::move(nodes); }
  // After the event was saved or opened.
  void MarkSaved() { Unsaved.saved_ = Unsaved.changes_; }

  Selection Selected() const { return {CurDivision, CurEvent, CurRound}; }
  void Select(const Selection& s) {
    CurDivision = s.division;
    CurEvent = s.event;
    CurRound = s.round;
  }
  int RulesMode() const { return settings.RulesMode; }
  char PlaceMode() const { return settings.PlaceMode; }
};
