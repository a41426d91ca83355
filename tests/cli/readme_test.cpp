// The README's command-line section lists what the program can write; it is checked against the
// catalogue, so a new output without its line there fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "printing/report_catalogue.h"

namespace {

std::vector<std::string> CommandLineSection() {
  std::ifstream in(std::string(TALLIVAR_TEST_DATA) + "/../../README.md");
  std::vector<std::string> section;
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("## ", 0) == 0) inside = line == "## Reports without the window";
    if (inside) section.push_back(line);
  }
  return section;
}

}  // namespace

TEST(Readme, CommandLineSectionNamesEveryOutputWithItsDescription) {
  const auto section = CommandLineSection();
  ASSERT_FALSE(section.empty());
  for (const auto& entry : ReportCatalogue()) {
    // "    name   description", as `tallivar report --list` writes it.
    const bool listed = std::any_of(section.begin(), section.end(), [&](const std::string& line) {
      std::istringstream words(line);
      std::string name;
      words >> name >> std::ws;
      std::string rest;
      std::getline(words, rest);
      return name == entry.name && rest == entry.description;
    });
    EXPECT_TRUE(listed) << entry.name;
  }
}
