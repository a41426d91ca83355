#include "ui/recovery_keeper.h"

#include <algorithm>
#include <optional>

#include "core/errors.h"
#include "core/event_files.h"
#include "core/file_io.h"
#include "core/recovery_file.h"
#include "core/recovery_list.h"
#include "core/skier_file.h"
#include "core/skier_ops.h"
#include "core/work_list.h"
#include "results/recompute.h"

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

void RecoveryKeeper::List(const std::string& path) {
  if (listed_ == path) return;
  try {
    ListRecoveryCopy(p_.fs, RecoveryListPath(t_), path);
    listed_ = path;
  } catch (const IoError&) {
    // Tried again with the next copy; Open still finds the copy beside its event.
  }
}

void RecoveryKeeper::Unlist(const std::string& path) {
  if (listed_ == path) listed_.clear();
  try {
    UnlistRecoveryCopy(p_.fs, RecoveryListPath(t_), path);
  } catch (const IoError&) {
    // A line left behind names a copy that is gone or set aside, and is dropped at the next start.
  }
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
    return;
  }
  List(path);
}

void RecoveryKeeper::RemoveQuietly(const std::string& path) {
  try {
    if (p_.fs.Kind(path) == FileKind::Regular) p_.fs.Remove(path);
  } catch (const IoError&) {
    // A copy left behind is older than the saved event, so the next start sets it aside unasked.
  }
  Unlist(path);
}

void RecoveryKeeper::Discard(bool named) {
  RemoveQuietly(PathFor(named));
  if (!lastPath_.empty() && lastPath_ != PathFor(named)) RemoveQuietly(lastPath_);
  lastPath_.clear();
  copied_ = t_.Unsaved.changes();
}

void RecoveryKeeper::Forget() {
  // The copy of the work before stays on the list: it is still unsaved work.
  lastPath_.clear();
  listed_.clear();
  copied_ = t_.Unsaved.changes();
}

std::string RecoveryKeeper::Aside(const std::string& path, const std::string& aside) {
  try {
    SetRecoveryAside(p_.fs, path, aside);
    Unlist(path);
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
  return OfferCopy(path, &eventFile);
}

Recovered RecoveryKeeper::OfferListed(const std::function<bool(const std::string& copyPath)>& inUse) {
  for (const std::string& path : ReadRecoveryList(p_.fs, RecoveryListPath(t_))) {
    if (inUse(path)) continue;
    const Recovered what = OfferCopy(path, nullptr);
    if (what != Recovered::Nothing) return what;
  }
  return Recovered::Nothing;
}

Recovered RecoveryKeeper::OfferCopy(const std::string& path, const std::string* expected) {
  try {
    const FileKind kind = p_.fs.Kind(path);
    if (kind == FileKind::Missing) {
      Unlist(path);
      return Recovered::Nothing;
    }
    const std::string aside = RecoveryAsideName(p_.fs, path, p_.clock.Now());
    RecoveryFile r;
    std::string why;
    // A FIFO or a device is never opened: reading it could wait for ever.
    bool sound = false;
    if (kind == FileKind::Regular) try {
        auto bytes = p_.fs.ReadAll(path);
        if (!bytes) return Recovered::Nothing;
        sound = ParseRecoveryFile(*bytes, r, why);
      } catch (const IoError& e) {
        why = e.what();
      }
    if (!sound) {
      const std::string fault =
          kind == FileKind::Regular
              ? "is damaged: " + why
              : std::string("is not a regular file (a FIFO, a device or a folder), so it was not read");
      if (!Aside(path, aside).empty())
        p_.prompt.Show("The recovery file \"" + path + "\" " + fault + ".\nIt was set aside as \"" + aside +
                       "\"; " + LeftWithoutTheCopy(p_.fs, expected ? *expected : EventOfRecoveryCopy(path)));
      return Recovered::Nothing;
    }
    // The copy belongs to the event it records, whatever file it was found beside.
    const std::string recorded = r.named ? r.eventFile : std::string();
    const bool foreign =
        expected && !expected->empty() && (!r.named || !SameEventFile(r.eventFile, *expected));
    const std::string eventFile = expected && !foreign ? *expected : recorded;
    // A copy older than the saved event holds nothing the save does not: it was left behind.
    auto savedAt = eventFile.empty() ? std::nullopt : SavedAt(p_.fs, eventFile);
    auto copiedAt = p_.fs.ModifiedTime(path);
    // Equal times are the file system's coarse clock, not an older copy: a save removes its copy.
    if (savedAt && copiedAt && *copiedAt < *savedAt) {
      if (!Aside(path, aside).empty())
        p_.prompt.Show("The recovery file \"" + path +
                       "\" is older than the saved event and was set aside as \"" + aside + "\".");
      return Recovered::Nothing;
    }
    const std::string event = eventFile.empty() ? std::string("a new event that has no file name yet")
                                                : "the event \"" + eventFile + "\"";
    const std::string whose =
        foreign ? "\n\nThis copy was found beside \"" + *expected +
                      "\" but belongs to another event: restored, it becomes that event again, not this one."
                : std::string();
    const std::string question =
        "Tallivar stopped without saving work on " + event + ". A copy of that work was written on " +
        RecoveryTimeText(r.written) + ".\n\nThe copy holds " + Plural(r.skiers, "skier") + " and " +
        Plural(r.scores, "score") + ". " + SavedEventText(p_.fs, eventFile) + whose +
        "\n\nRestore the unsaved work?\n\n" + IfRestored(eventFile) + "\nNo: the copy is set aside as \"" +
        aside + "\"; " + LeftWithoutTheCopy(p_.fs, foreign ? *expected : eventFile);
    if (p_.prompt.Ask(question, "Unsaved work found", Buttons::YesNo) != Answer::Yes) {
      Aside(path, aside);
      return Recovered::Nothing;
    }
    r.eventFile = eventFile;
    r.named = !eventFile.empty();
    const bool named = r.named;
    p_.prompt.ShowEach(RestoreRecovery(t_, p_.fs, r).messages);
    p_.Shown(PrepareSelection(t_, p_.random, t_.Selected()));
    if (!r.gridEdits.skiers.empty()) {
      // The scores are stored before their audit lines: a log that cannot be written costs a
      // warning, not the restore.
      try {
        StoreGridEdits(t_, p_, r.gridEdits);
      } catch (const IoError& e) {
        p_.prompt.Show(e.what());
      }
    }
    lastPath_ = path;
    List(path);
    copied_ = t_.Unsaved.changes();  // the copy on disk is this work
    return named ? Recovered::NamedEvent : Recovered::NewEvent;
  } catch (const IoError& e) {
    p_.prompt.Show("The recovery file \"" + path + "\" could not be looked at.\n" + e.what());
    return Recovered::Nothing;
  }
}
