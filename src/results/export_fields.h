#pragma once
// Field helpers shared by the result files: locale-free numbers, places, the exported form of names
// and the order in which a division's skiers are listed.
#include <string>
#include <string_view>
#include <vector>

#include "core/tournament.h"

// A number w.d right-aligned in width, never cut, always with "." as decimal separator whatever the
// process locale. Halves round away from zero, like the printed reports.
std::string ExportFixed(double value, int width, int decimals);
// A place right-aligned in width; blanks of that width when below 1.
std::string PlaceField(int place, int width);
// A place as the shortest integer, or empty when below 1.
std::string PlaceOrEmpty(int place);

// The surname as exported: every "*" removed.
std::string ExportSurname(std::string_view surname);
// The first name as exported: letters A..Z lower-cased from the second character on.
std::string ExportFirstName(std::string_view firstName);

// Text cut or padded on the right to exactly width characters.
std::string FitLeft(std::string_view text, int width);

// Lines joined with a CR LF after each one.
std::string JoinCrLf(const std::vector<std::string>& lines);
// Fields joined by a separator; a separator inside a field becomes a space so columns never shift.
std::string JoinFields(const std::vector<std::string>& fields, char separator);

// The skiers of a division in list order, then ordered by overall score, highest first; equal
// scores keep list order.
std::vector<const TSkier*> DivisionByOverall(const Tournament& t, int division);

// The base name the event's other files are named after: EventBase, or when it was never set, the
// event file name up to its first ".dat". Empty for an event that has no file name.
std::string ExportBaseName(const Tournament& t);
