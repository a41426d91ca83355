#pragma once
// The printer. A document is recorded between BeginDoc and EndDoc and then painted, either on the
// printer chosen in the print dialog (a real printer or a PDF file) or in a print preview.
#include <QFont>
#include <QPointer>
#include <QPrinter>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/output_target.h"
#include "platform/file_system.h"
#include "platform/printer.h"

class QPainter;

// Report fonts by the names the reports use, resolved to the fonts this system has.
QFont PrinterFont(std::string_view name, int pointSize, bool bold);

class QtPrinter : public Printer {
 public:
  QtPrinter();

  bool BeginDoc(std::string_view title) override;
  void EndDoc() override;
  void SetOrientation(Orientation o) override;
  void SetFont(std::string_view name, int pointSize, bool bold = false) override;
  void WriteLine(std::string_view line) override;
  void FormFeed() override;
  int PageWidth() override;
  int PageHeight() override;
  int DotsPerInch() override;
  int TextHeight(std::string_view text) override;
  int TextWidth(std::string_view text) override;
  void TextOut(int x, int y, std::string_view text) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void StretchBitmap(int x, int y, int width, int height, std::string_view resource) override;
  void NewPage() override;
  void ShowPrintDialog() override;
  void ShowPrinterSetup() override;

  QPointer<QWidget> parent;
  // When set, documents go to this PDF file without asking (used by tests and batch runs).
  QString pdfFile;
  // The PDF file a report is proposed under in the print dialog, from its title.
  std::function<std::string(std::string_view title)> proposePdf;
  // Pages painted by the last EndDoc.
  int pagesPrinted = 0;
  // Where PDF files are written (the machine's file system when unset), and the files a PDF may
  // never replace (the open event's and the settings file).
  FileSystem* fs = nullptr;
  std::function<std::vector<ProtectedFile>()> protectedFiles;
  // Why the last PDF file was not written; empty when it was. The desktop also shows it.
  std::string lastError;

 private:
  struct Op {
    enum Kind { Font, StreamLine, Text, DrawLine, Bitmap, Page } kind;
    int x = 0, y = 0, x2 = 0, y2 = 0;
    QString text;
    QFont font;
  };
  void Render(QPainter& painter);
  void ProposePdfFile(const QString& path);
  bool PrintsToPdfFile() const;
  // A PDF file is painted to a scratch file, checked whole, and only then replaces the file the
  // user chose, through the same safe write as the event files: Qt says nothing of a full disk.
  void WritePdfSafely();
  std::string PaintPdf(const std::string& target);

  QPrinter printer_;
  std::vector<Op> ops_;
  QFont font_;
  bool preview_ = false;
  bool inDocument_ = false;
};
