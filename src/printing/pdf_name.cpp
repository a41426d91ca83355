#include "printing/pdf_name.h"

#include "results/export_fields.h"

namespace {

bool Plain(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// A report title as part of a file name: no path separators, blanks or characters a file system
// or a mail program may refuse.
std::string FileWord(std::string_view title) {
  std::string word;
  for (char c : title) {
    if (Plain(c))
      word += c;
    else if (!word.empty() && word.back() != '-')
      word += '-';
  }
  while (!word.empty() && word.back() == '-') word.pop_back();
  return word.empty() ? "report" : word;
}

}  // namespace

std::string ProposedPdfPath(const Tournament& t, std::string_view reportTitle) {
  std::string base = ExportBaseName(t);
  if (base.empty()) base = "untitled";
  return base + "-" + FileWord(reportTitle) + "-R" + std::to_string(t.CurRound) + ".pdf";
}
