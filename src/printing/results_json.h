#pragma once
// The provisional results as JSON, for the live results' phones and for anyone who wants to show
// them their own way. The README describes every field.
#include <string>
#include <string_view>

#include "platform/services.h"
#include "printing/results_rows.h"

std::string ResultsJson(const ResultsData& data, const DateTime& dataTime, bool provisional);

// A JSON string literal, quotes included. Besides what JSON demands, "<", ">" and "&" are written
// as \u escapes, so the text can also stand inside a page's script.
std::string JsonString(std::string_view utf8);
