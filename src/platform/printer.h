#pragma once
// The printer in its two modes: a text stream of lines and form feeds, and a drawn page with text
// at positions, lines and a stretched bitmap. Between BeginDoc and EndDoc a report uses one mode.
#include <string>
#include <string_view>

enum class Orientation { Portrait, Landscape };

class Printer {
 public:
  virtual ~Printer() = default;
  // Asks the user where to print (printer, PDF file, preview); false when the user cancelled.
  virtual bool BeginDoc(std::string_view title) = 0;
  virtual void EndDoc() = 0;
  virtual void SetOrientation(Orientation o) = 0;
  virtual void SetFont(std::string_view name, int pointSize, bool bold = false) = 0;

  // Text stream.
  virtual void WriteLine(std::string_view line) = 0;
  virtual void FormFeed() = 0;

  // Drawn page, in device units.
  virtual int PageWidth() = 0;
  virtual int PageHeight() = 0;
  // Device units per inch of the drawn page.
  virtual int DotsPerInch() { return 600; }
  virtual int TextHeight(std::string_view text) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  // A named bitmap resource (such as the federation logo) stretched into the rectangle.
  virtual void StretchBitmap(int x, int y, int width, int height, std::string_view resource) = 0;
  virtual void NewPage() = 0;

  // The platform's print and printer set-up dialogs (menu Print and Print Setup).
  virtual void ShowPrintDialog() = 0;
  virtual void ShowPrinterSetup() = 0;
};
