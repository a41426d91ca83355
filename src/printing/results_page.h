#pragma once
// The provisional results page: one self-contained HTML file beside the event, written on every save
// and from the Results menu, that reads on a phone and a laptop and prints one page per division.
// It holds no script and loads nothing else: it can be uploaded or passed on as it is.
#include <string>

#include "core/tournament.h"
#include "platform/services.h"
#include "printing/results_rows.h"

// Where the page of the event goes: the event base + "-results.html"; empty for an unnamed event.
std::string ResultsPagePath(const Tournament& t);

// The page: the event name and dates, the "PROVISIONAL RESULTS" banner with `savedAt`, per division
// (catalogue order, divisions without skiers left out) every skier's place, score and points in each
// event and the overall place and points, the running order of the current round and event, and the
// rules and placement rule used. Changes nothing.
std::string ResultsPageHtml(const Tournament& t, const Services& p, const DateTime& savedAt);
// The same from results already gathered; `headExtra` goes at the end of the page's head, and
// `stampLabel` says what the time is ("Last saved", or "Updated" for changes not saved yet).
std::string ResultsPageHtml(const ResultsData& data, const DateTime& savedAt, std::string_view headExtra = {},
                            std::string_view stampLabel = "Last saved");

// Writes the page safely to `path`. A failure is shown as a warning naming the file and answers
// false; it never throws, so a save that went well stays a save that went well.
bool WriteResultsPage(const Tournament& t, const Services& p, const std::string& path);
// The same to ResultsPagePath(t); nothing (and true) for an unnamed event.
bool WriteResultsPageBesideEvent(const Tournament& t, const Services& p);

// UTF-8 text made safe inside HTML elements and attribute values; every control character
// (U+0000..U+001F, U+007F..U+009F) becomes a space.
std::string HtmlEscape(std::string_view text);
