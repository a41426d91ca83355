#include "core/tournament.h"

#include <cstring>

#include "core/skier_identity.h"
#include "core/skier_ops.h"

Tournament::Tournament() { InitSkierList(*this); }

SkierList::Node Tournament::InsertSkier(SkierList::Node before, const TSkier& record) {
  MarkChanged();
  return skiers.nodes_.insert(before, record);
}

void Tournament::ReplaceSkier(SkierList::Node at, const TSkier& record) {
  MarkChanged();
  *skiers.nodes_.erase(at, at) = record;
}

SkierList::Node Tournament::RemoveSkier(SkierList::Node at) {
  MarkChanged();
  return std::prev(skiers.nodes_.erase(at));
}

void Tournament::RemoveAllSkiers() {
  MarkChanged();
  if (!skiers.initialised()) {
    InitSkierList(*this);
    return;
  }
  auto& nodes = skiers.nodes_;
  auto it = std::next(nodes.begin());
  while (it != nodes.end() && !(it->Surname == "zzzzz")) it = nodes.erase(it);
  if (it != nodes.end()) nodes.erase(std::next(it), nodes.end());
}

bool Tournament::StoreSkier(const TSkier& record) {
  const SkierIdentity who = IdentityOf(record);
  for (TSkier& s : skiers.nodes_) {
    if (!IsSkier(s, who)) continue;
    // The stored bytes decide: a record written back unchanged leaves the event saved.
    if (std::memcmp(&s, &record, sizeof(TSkier)) != 0) MarkChanged();
    s = record;
    return true;
  }
  return false;
}

void Tournament::KeepGridEdit(const Selection& grid, const TSkier& edited) {
  MarkChanged();
  gridEdits.division = grid.division;
  gridEdits.event = grid.event;
  gridEdits.round = grid.round;
  for (TSkier& s : gridEdits.skiers)
    if (IsSkier(s, IdentityOf(edited))) {
      s = edited;
      return;
    }
  gridEdits.skiers.push_back(edited);
}

void Tournament::RenameTeam(int slot, const std::string& name) {
  TeamSlot& team = teams.slots[static_cast<std::size_t>(slot)];
  const auto before = team.name;
  team.name = name;
  if (!(team.name == before)) MarkChanged();
}

void Tournament::StoreSetup(const Setup& setup) {
  if (setup.info == info && setup.settings == settings && setup.rounds == RoundCount) return;
  info = setup.info;
  settings = setup.settings;
  RoundCount = setup.rounds;
  MarkChanged();
}
