#pragma once
// A printer that records documents: text lines per page, and drawn items.
#include <string>
#include <vector>

#include "platform/printer.h"

struct DrawnItem {
  enum Kind { Text, Line, Bitmap } kind;
  int x = 0, y = 0, x2 = 0, y2 = 0;
  std::string text;
};

struct RecordedPage {
  std::vector<std::string> lines;  // text stream
  std::vector<DrawnItem> drawn;    // drawn page
};

struct RecordedDocument {
  std::string title;
  Orientation orientation = Orientation::Portrait;
  std::string font;
  int fontSize = 0;
  std::vector<RecordedPage> pages;
};

class RecordingPrinter : public Printer {
 public:
  std::vector<RecordedDocument> documents;
  bool cancel = false;  // the next BeginDoc is cancelled
  int printDialogs = 0, setupDialogs = 0;
  bool inDocument = false;
  int pageWidth = 4800, pageHeight = 6600;  // 600 dpi letter, portrait; landscape turns it

  bool BeginDoc(std::string_view title) override {
    if (cancel) {
      cancel = false;
      return false;
    }
    documents.push_back({});
    documents.back().title = std::string(title);
    documents.back().pages.push_back({});
    inDocument = true;
    return true;
  }
  void EndDoc() override { inDocument = false; }
  void SetOrientation(Orientation o) override { Doc().orientation = o; }
  void SetFont(std::string_view name, int size, bool) override {
    if (documents.empty()) return;
    Doc().font = std::string(name);
    Doc().fontSize = size;
  }
  void WriteLine(std::string_view line) override { Page().lines.emplace_back(line); }
  void FormFeed() override { Doc().pages.push_back({}); }
  int PageWidth() override { return Landscape() ? pageHeight : pageWidth; }
  int PageHeight() override { return Landscape() ? pageWidth : pageHeight; }
  int TextHeight(std::string_view) override { return 100; }
  int TextWidth(std::string_view t) override { return static_cast<int>(t.size()) * 50; }
  void TextOut(int x, int y, std::string_view text) override {
    Page().drawn.push_back({DrawnItem::Text, x, y, 0, 0, std::string(text)});
  }
  void Line(int x1, int y1, int x2, int y2) override { Page().drawn.push_back({DrawnItem::Line, x1, y1, x2, y2, ""}); }
  void StretchBitmap(int x, int y, int w, int h, std::string_view res) override {
    Page().drawn.push_back({DrawnItem::Bitmap, x, y, x + w, y + h, std::string(res)});
  }
  void NewPage() override { Doc().pages.push_back({}); }
  void ShowPrintDialog() override { ++printDialogs; }
  void ShowPrinterSetup() override { ++setupDialogs; }

  RecordedDocument& Doc() {
    if (documents.empty()) documents.push_back({{}, Orientation::Portrait, "", 0, {RecordedPage{}}});
    return documents.back();
  }
  RecordedPage& Page() { return Doc().pages.back(); }
  bool Landscape() const { return !documents.empty() && documents.back().orientation == Orientation::Landscape; }
  // Every text line of the last document, pages joined.
  std::vector<std::string> AllLines() {
    std::vector<std::string> out;
    if (documents.empty()) return out;
    for (auto& p : documents.back().pages) out.insert(out.end(), p.lines.begin(), p.lines.end());
    return out;
  }
};
