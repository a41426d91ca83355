#pragma once
// Helpers for the event file tests: whole-file reads and writes, and an event with something in
// every part of the family.
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "core/tournament.h"
#include "support/skier_builders.h"

inline std::optional<std::string> Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline void Spit(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// The steps of the backup set a save writes after its log line when the family changed: the set's
// files (four steps each) in a temporary folder renamed into place, and one more step per file
// when it replaces the set saved in the same second.
inline int BackupSetSteps(int files, bool replacesSameSecond) {
  return 7 + 4 * files + (replacesSameSecond ? files : 0);
}

// Three skiers with scores, times and entries, teams, tournament information and a schedule.
inline void FillEvent(Tournament& t, Platform& p) {
  t.info.EventName = "Lake Cup";
  t.info.ChiefOfComp = "Ann Chief";
  t.info.Scorer = "Sam Scorer";
  t.info.StartDate = "20260704";
  t.info.EndDate = "20260705";
  t.info.TechController = "Tia Tech";
  t.info.ChiefDriver = "Dan Driver";
  t.info.SafetyDirector = "Sue Safe";
  t.info.SanctionNo = "26CAN123";
  t.info.EventType = "P2";
  t.info.ClassDigit = '2';
  t.RoundCount = 3;
  t.EntryCounter = 17;
  t.settings.RulesMode = 2;
  t.settings.PlaceMode = 'L';
  t.settings.TeamMode = "BEST3";
  t.settings.SiteCode = "CAN7688";
  t.teams.slots[1].code = "ON";
  t.teams.slots[1].name = "Ontario Team";
  t.teams.slots[2].code = "QC";
  t.teams.slots[2].name = "Quebec";
  t.schedule.slalomMinutes = 6;
  t.schedule.trickMinutes = 3;
  t.schedule.jumpMinutes = 9;
  t.schedule.startTimes[2] = "09:30";
  t.schedule.days[1].rows[1].division = 16;
  t.schedule.days[1].rows[1].event = "S";
  t.schedule.days[1].rows[1].entries = 2;
  t.schedule.days[1].rows[1].start = " 8:00";
  t.schedule.days[1].rows[1].end = " 8:12";
  TSkier& a = AddSkier(t, p, "SMITH", "John", 16);
  a.EntryNo = 3;
  a.SlalomScore[1] = 37.5;
  a.SlalomSpeed[1] = 58;
  a.SlalomTime1[2][1] = "17.05";
  a.JumpDistance[2][1] = 41.3;
  a.Team = "ON";
  TSkier& b = AddSkier(t, p, "BROWN", "Mia", 17, "TJ");
  b.EntryNo = 9;
  b.TrickScore[2] = 2150;
  b.JumpTime2[4][3] = "6.42";
  TSkier& c = AddSkier(t, p, "ADAMS", "Lee", 2, "S");
  c.EntryNo = 17;
  c.SlalomClass[1] = "2";
  c.SlalomBoat[1] = "MC";
  t.MarkChanged();
}
