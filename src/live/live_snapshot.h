#pragma once
// What the live results server hands out: the results page and the same results as JSON, built once
// from the event's state after a change and never changed afterwards, so the server's threads can
// read it while the scorer goes on typing.
#include <memory>
#include <string>
#include <string_view>

#include "core/tournament.h"
#include "platform/services.h"

struct LiveSnapshot {
  std::string html;      // the provisional results page
  std::string json;      // the same results as JSON (see the README)
  std::string htmlEtag;  // quoted entity tags, different whenever the bytes differ
  std::string jsonEtag;
};

// Builds both documents from the event as it stands; `dataTime` is the time of the data shown on
// the page (the save's time for a saved file, the moment of the change in the desktop), and
// `provisional` marks the results as provisional. Leaves the tournament as it was.
std::shared_ptr<const LiveSnapshot> BuildLiveSnapshot(Tournament& t, const Services& p,
                                                      const DateTime& dataTime, bool provisional);

// A quoted strong entity tag of the bytes.
std::string EntityTag(std::string_view bytes);
