#include "entries/import_help.h"

#include "entries/entry_import.h"

const std::vector<std::string>& ImportHelpLines() {
  static const std::vector<std::string> lines = {
      "SKIER IMPORT",
      "",
      "The import file is a text file with one skier per line. Fields are separated by commas and",
      "every field is followed by a comma, the last one too. There is no heading line and no quoting.",
      "Empty lines are skipped; at most 300 skiers are read.",
      "",
      kImportLineLayout,
      "",
      "Surname     up to 15 letters, apostrophes or hyphens; stored in upper case",
      "FirstName   up to 15 letters, apostrophes or hyphens",
      "YOB         year of birth as YYYY",
      "IWWFNumber  9-digit membership number",
      "Team        team, province, state or federation code, 3 characters",
      "Federation  3-letter country or federation code",
      "Division    division name, for example M, W, MU17, M35",
      "S           slalom seed score, total buoy count, xx.xx",
      "T           trick seed score, trick points, xxxx",
      "J           jump seed score, distance in metres, xx.x",
      "Ramp        jump ramp ratio: 0.235, 0.255 or 0.266",
      "",
      "A skier is entered in an event when its seed score is above 0.",
      "A missing or bad name, year, number, team, federation or ramp is replaced by a placeholder",
      "(AAno-surname and the row number, no-firstname, 1234, 100000000, IND, IND, 0.235) and counted",
      "as an error; correct those skiers afterwards in the entry form. An unknown division leaves the",
      "skier without a division; a missing or bad seed score counts as 0.",
      "",
      "Example:",
      "SMITH,Anna,1990,200012345,ON,CAN,W,45.5,,38.2,0.255,",
  };
  return lines;
}
