#include "printing/results_json.h"

#include <algorithm>
#include <cstdio>

#include "core/divisions.h"

namespace {

std::string Place(int place) { return place >= 1 ? std::to_string(place) : "null"; }

// The date and time as ISO 8601 local time: the lake's clock, no zone.
std::string IsoTime(const DateTime& d) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", d.year, d.month, d.day, d.hour,
                d.minute, d.second);
  return buffer;
}

std::string Field(const char* name, const std::string& json) {
  return std::string("\"") + name + "\":" + json;
}

// The skiers of one event in the order of their places; those without a place follow in overall order.
std::string EventRows(const DivisionResults& division, int event) {
  std::vector<const ResultRow*> rows;
  for (const ResultRow& row : division.rows)
    if (row.events[event].entered) rows.push_back(&row);
  std::stable_sort(rows.begin(), rows.end(), [event](const ResultRow* a, const ResultRow* b) {
    const int pa = a->events[event].place, pb = b->events[event].place;
    return pa >= 1 && (pb < 1 || pa < pb);
  });
  std::string out = "[";
  for (const ResultRow* row : rows) {
    const EventCell& cell = row->events[event];
    if (out.size() > 1) out += ',';
    out += "{" + Field("place", Place(cell.place)) + "," + Field("name", JsonString(row->name)) + "," +
           Field("team", JsonString(row->team)) + "," + Field("score", JsonString(cell.score)) + "," +
           Field("points", cell.points) + "}";
  }
  return out + "]";
}

std::string OverallRows(const DivisionResults& division) {
  std::string out = "[";
  for (const ResultRow& row : division.rows) {
    if (out.size() > 1) out += ',';
    out += "{" + Field("place", Place(row.overallPlace)) + "," + Field("name", JsonString(row.name)) + "," +
           Field("team", JsonString(row.team)) + "," + Field("points", row.overallPoints) + "}";
  }
  return out + "]";
}

std::string Division(const DivisionResults& division) {
  std::string events = "[";
  for (int e = 0; e < 3; ++e) {
    if (e > 0) events += ',';
    const char code[2] = {kResultEvents[e], 0};
    events += "{" + Field("event", JsonString(code)) + "," + Field("name", JsonString(EventName(code[0]))) +
              "," + Field("rows", EventRows(division, e)) + "}";
  }
  return "{" + Field("division", JsonString(division.code)) + "," + Field("events", events + "]") + "," +
         Field("overall", OverallRows(division)) + "}";
}

std::string RunningOrder(const ResultsData& data) {
  std::string divisions = "[";
  for (const RunningDivision& d : data.running) {
    if (divisions.size() > 1) divisions += ',';
    std::string skiers = "[";
    for (const RunningSkier& s : d.skiers) {
      if (skiers.size() > 1) skiers += ',';
      skiers += "{" + Field("order", std::to_string(s.order)) + "," + Field("bib", JsonString(s.bib)) + "," +
                Field("name", JsonString(s.name)) + "," + Field("team", JsonString(s.team)) + "}";
    }
    divisions += "{" + Field("division", JsonString(d.code)) + "," + Field("skiers", skiers + "]") + "}";
  }
  const char code[2] = {data.runningEvent, 0};
  return "{" + Field("event", JsonString(code)) + "," +
         Field("name", JsonString(EventName(data.runningEvent))) + "," +
         Field("round", std::to_string(data.runningRound)) + "," + Field("divisions", divisions + "]") + "}";
}

}  // namespace

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F || c == '<' || c == '>' || c == '&') {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", byte);
      out += buffer;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string ResultsJson(const ResultsData& data, const DateTime& dataTime, bool provisional) {
  std::string divisions = "[";
  for (const DivisionResults& d : data.divisions) {
    if (divisions.size() > 1) divisions += ",\n";
    divisions += Division(d);
  }
  const std::string event =
      "{" + Field("name", JsonString(data.eventName)) + "," + Field("startDate", JsonString(data.startDate)) +
      "," + Field("endDate", JsonString(data.endDate)) + "," + Field("rules", JsonString(data.rules)) + "," +
      Field("placement", JsonString(data.placement)) + "}";
  return "{" + Field("event", event) + ",\n" + Field("dataTime", JsonString(IsoTime(dataTime))) + ",\n" +
         Field("provisional", provisional ? "true" : "false") + ",\n" + Field("divisions", divisions + "]") +
         ",\n" + Field("runningOrder", RunningOrder(data)) + "}\n";
}
