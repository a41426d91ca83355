#include "ui/recovery_keeper.h"

#include <algorithm>
#include <optional>

#include "core/errors.h"
#include "core/event_files.h"
#include "core/file_io.h"
#include "core/recovery_file.h"
#include "core/skier_file.h"

namespace {

std::string Plural(int n, const char* word) { return std::to_string(n) + " " + word + (n == 1 ? "" : "s"); }

// The newest write of the saved event's own files, or nothing when it has none.
std::optional<std::int64_t> SavedAt(FileSystem& fs, const std::string& eventFile) {
  std::optional<std::int64_t> newest;
  const std::string base = EventBaseOf(eventFile);
  for (const std::string& f : {eventFile, base + ".ttl", base + ".sch"})
    if (auto m = fs.ModifiedTime(f)) newest = std::max(newest.value_or(*m), *m);
  return newest;
}

std::string SavedEventText(FileSystem& fs, const std::string& eventFile) {
  if (eventFile.empty()) return "The event was never saved.";
  std::optional<std::string> bytes;
  try {
    bytes = fs.ReadAll(eventFile);
  } catch (const IoError&) {
    return "The saved event cannot be read.";
  }
  std::list<TSkier> nodes;
  std::string why;
  if (!bytes) return "The event has no saved skier file.";
  if (!ParseSkierFile(*bytes, nodes, why)) return "The saved event is damaged.";
  return "The saved event holds " + Plural(static_cast<int>(nodes.size()) - 2, "skier") + " and " +
         Plural(CountScores(nodes), "score") + ".";
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(Tournament& t, Platform& p) : t_(t), p_(p), copied_(t.Unsaved.changes()) {}

std::string RecoveryKeeper::PathFor(bool named) const {
  return named ? RecoveryPathOfEvent(t_.EventFile.str()) : UntitledRecoveryPath(t_);
}

void RecoveryKeeper::Checkpoint(bool named) {
  if (!t_.Unsaved || t_.Unsaved.changes() == copied_) return;
  // Marked as copied even when the write fails: the next completed change tries again, and the
  // scorer is not held up by one failed attempt after each handler.
  copied_ = t_.Unsaved.changes();
  const std::string path = PathFor(named);
  try {
    WriteFileSafely(p_.fs, path, RecoveryFileBytes(t_, named, p_.clock.Now()));
    lastPath_ = path;
  } catch (const IoError& e) {
    if (failureShown_) return;
    failureShown_ = true;
    p_.prompt.Ask(std::string("The copy of your unsaved work could not be written, so a crash or a power cut "
                              "would lose what was typed since the last save.\n") +
                      e.what() +
                      "\nSave the event to keep your work. This message is not shown again until Tallivar "
                      "is started again.",
                  "Recovery file", Buttons::Ok);
  }
}

void RecoveryKeeper::RemoveQuietly(const std::string& path) {
  try {
    if (p_.fs.Exists(path)) p_.fs.Remove(path);
  } catch (const IoError&) {
    // A copy left behind is older than the saved event, so the next start sets it aside unasked.
  }
}

void RecoveryKeeper::Discard(bool named) {
  RemoveQuietly(PathFor(named));
  if (!lastPath_.empty() && lastPath_ != PathFor(named)) RemoveQuietly(lastPath_);
  lastPath_.clear();
  copied_ = t_.Unsaved.changes();
}

void RecoveryKeeper::Forget() {
  lastPath_.clear();
  copied_ = t_.Unsaved.changes();
}

std::string RecoveryKeeper::Aside(const std::string& path, const std::string& aside) {
  try {
    SetRecoveryAside(p_.fs, path, aside);
    return aside;
  } catch (const IoError& e) {
    p_.prompt.Show(std::string(e.what()) + "\nIt stays where it is and is offered again at the next start.");
    return "";
  }
}

namespace {

// What the scorer is left with when the copy is not taken, told as it is for an event saved
// before, a named event whose file is gone, and a new event that never had a file.
std::string LeftWithoutTheCopy(FileSystem& fs, const std::string& eventFile) {
  if (eventFile.empty()) return "this work was never saved, so Tallivar starts with an empty new event.";
  if (!fs.Exists(eventFile))
    return "the event has no saved file, so Tallivar starts with an empty new event.";
  return "the event stays as it was saved.";
}

std::string IfRestored(const std::string& eventFile) {
  if (eventFile.empty())
    return "Yes: the work opens as a new event without a file name; save it under a name to keep it.";
  return "Yes: the event opens with the work of the copy, not yet saved; save it to keep it.";
}

}  // namespace

Recovered RecoveryKeeper::Offer(const std::string& path, const std::string& eventFile) {
  try {
    if (!p_.fs.Exists(path)) return Recovered::Nothing;
    const std::string aside = RecoveryAsideName(p_.fs, path, p_.clock.Now());
    RecoveryFile r;
    std::string why;
    bool sound = false;
    try {
      auto bytes = p_.fs.ReadAll(path);
      if (!bytes) return Recovered::Nothing;
      sound = ParseRecoveryFile(*bytes, r, why);
    } catch (const IoError& e) {
      why = e.what();
    }
    if (!sound) {
      if (!Aside(path, aside).empty())
        p_.prompt.Show("The recovery file \"" + path + "\" is damaged: " + why + ".\nIt was set aside as \"" +
                       aside + "\"; " + LeftWithoutTheCopy(p_.fs, eventFile));
      return Recovered::Nothing;
    }
    // A copy older than the saved event holds nothing the save does not: it was left behind.
    auto savedAt = eventFile.empty() ? std::nullopt : SavedAt(p_.fs, eventFile);
    auto copiedAt = p_.fs.ModifiedTime(path);
    // Equal times are the file system's coarse clock, not an older copy: a save removes its copy.
    if (savedAt && copiedAt && *copiedAt < *savedAt) {
      Aside(path, aside);
      return Recovered::Nothing;
    }
    const std::string event = eventFile.empty() ? std::string("a new event that has no file name yet")
                                                : "the event \"" + eventFile + "\"";
    const std::string question =
        "Tallivar stopped without saving work on " + event + ". A copy of that work was written on " +
        RecoveryTimeText(r.written) + ".\n\nThe copy holds " + Plural(r.skiers, "skier") + " and " +
        Plural(r.scores, "score") + ". " + SavedEventText(p_.fs, eventFile) +
        "\n\nRestore the unsaved work?\n\n" + IfRestored(eventFile) + "\nNo: the copy is set aside as \"" +
        aside + "\"; " + LeftWithoutTheCopy(p_.fs, eventFile);
    if (p_.prompt.Ask(question, "Unsaved work found", Buttons::YesNo) != Answer::Yes) {
      Aside(path, aside);
      return Recovered::Nothing;
    }
    if (!eventFile.empty()) {
      r.eventFile = eventFile;
      r.named = true;
    }
    const bool named = r.named;
    RestoreRecovery(t_, p_, r);
    lastPath_ = path;
    copied_ = t_.Unsaved.changes();  // the copy on disk is this work
    return named ? Recovered::NamedEvent : Recovered::NewEvent;
  } catch (const IoError& e) {
    p_.prompt.Show("The recovery file \"" + path + "\" could not be looked at.\n" + e.what());
    return Recovered::Nothing;
  }
}
