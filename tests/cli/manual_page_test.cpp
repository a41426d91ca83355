// The manual page is written by hand: it is checked against the program's own help and the
// catalogue, so a new command or output without its entry there fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "cli/output_help.h"
#include "printing/report_catalogue.h"

namespace {

// The first word of every bold heading line (".B name", ".BI \"report \" NAME"), with roff's
// escaped hyphens read as hyphens.
std::set<std::string> BoldHeadings() {
  std::ifstream in(std::string(TALLIVAR_TEST_DATA) + "/../../packaging/tallivar.1");
  std::set<std::string> words;
  for (std::string line; std::getline(in, line);) {
    for (auto at = line.find("\\-"); at != std::string::npos; at = line.find("\\-", at)) line.erase(at, 1);
    std::istringstream parts(line);
    std::string macro, word;
    parts >> macro >> word;
    if (macro != ".B" && macro != ".BI" && macro != ".BR") continue;
    if (!word.empty() && word.front() == '"') word.erase(0, 1);
    words.insert(word);
  }
  return words;
}

// The commands `tallivar --help` lists, the first word of each row under "Commands:".
std::vector<std::string> HelpCommands() {
  std::istringstream help(ProgramHelp());
  std::vector<std::string> commands;
  bool inside = false;
  for (std::string line; std::getline(help, line);) {
    if (line == "Commands:")
      inside = true;
    else if (line.empty())
      inside = false;
    else if (inside)
      commands.push_back(line.substr(2, line.find(' ', 2) - 2));
  }
  return commands;
}

}  // namespace

TEST(ManualPage, NamesEveryCommandAndEveryOutput) {
  const auto headings = BoldHeadings();
  ASSERT_FALSE(headings.empty());
  const auto commands = HelpCommands();
  ASSERT_GE(commands.size(), 5u);
  for (const auto& command : commands) EXPECT_TRUE(headings.count(command)) << command;
  for (const auto& entry : ReportCatalogue()) EXPECT_TRUE(headings.count(entry.name)) << entry.name;
  for (const auto& option : OutputOptions()) EXPECT_TRUE(headings.count("--" + option.name)) << option.name;
}
