#include "app/qt_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTemporaryFile>

#include "app/text_codec.h"
#include "core/errors.h"
#include "core/pdf_check.h"
#include "core/posix_file_system.h"

QFont PrinterFont(std::string_view name, int pointSize, bool bold) {
  QString family = ToQt(name);
  // The reports are laid out for this fixed-pitch face; its metric twin is what Linux has.
  if (family.compare("Courier New", Qt::CaseInsensitive) == 0) family = "Liberation Mono";
  QFont font(family, pointSize > 0 ? pointSize : 10);
  font.setBold(bold);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

QtPrinter::QtPrinter() : printer_(QPrinter::HighResolution), font_(PrinterFont("Courier New", 10, false)) {}

bool QtPrinter::BeginDoc(std::string_view title) {
  ops_.clear();
  pagesPrinted = 0;
  preview_ = false;
  printer_.setDocName(ToQt(title));
  if (!pdfFile.isEmpty()) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(pdfFile);
  } else {
    QMessageBox ask(QMessageBox::Question, "Print", "Print \"" + ToQt(title) + "\"", QMessageBox::NoButton,
                    parent);
    auto* print = ask.addButton("&Print...", QMessageBox::AcceptRole);
    auto* preview = ask.addButton("Print Pre&view...", QMessageBox::ActionRole);
    ask.addButton(QMessageBox::Cancel);
    ask.exec();
    if (ask.clickedButton() == preview) {
      preview_ = true;
    } else if (ask.clickedButton() == print) {
      if (proposePdf) ProposePdfFile(QFileInfo(ToQt(proposePdf(title))).absoluteFilePath());
      QPrintDialog dialog(&printer_, parent);
      if (dialog.exec() != QDialog::Accepted) return false;
      // A paper printer never writes the proposed file.
      if (printer_.outputFormat() == QPrinter::NativeFormat) printer_.setOutputFileName({});
    } else {
      return false;
    }
  }
  inDocument_ = true;
  ops_.push_back({Op::Font, 0, 0, 0, 0, {}, font_});
  return true;
}

void QtPrinter::EndDoc() {
  if (!inDocument_) return;
  inDocument_ = false;
  lastError.clear();
  if (preview_) {
    // The preview paints its pages with the file name empty; a name is there only once the user
    // chose to write the pages to a PDF file.
    if (printer_.outputFormat() == QPrinter::PdfFormat) printer_.setOutputFileName({});
    QPrintPreviewDialog dialog(&printer_, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [this](QPrinter*) {
      if (PrintsToPdfFile()) return WritePdfSafely();
      QPainter painter(&printer_);
      Render(painter);
    });
    dialog.exec();
    return;
  }
  if (PrintsToPdfFile()) return WritePdfSafely();
  QPainter painter;
  if (!painter.begin(&printer_)) return;
  Render(painter);
  painter.end();
}

void QtPrinter::Render(QPainter& painter) {
  int pageHeight = PageHeight();
  int streamY = 0;
  pagesPrinted = 1;
  auto newPage = [&] {
    printer_.newPage();
    ++pagesPrinted;
    streamY = 0;
  };
  for (const Op& op : ops_) {
    switch (op.kind) {
      case Op::Font:
        painter.setFont(QFont(op.font, &printer_));
        break;
      case Op::StreamLine: {
        QFontMetrics fm(painter.font(), &printer_);
        // A line that would run off the page starts the next one rather than being lost.
        if (streamY + fm.height() > pageHeight && streamY > 0) newPage();
        painter.drawText(0, streamY + fm.ascent(), op.text);
        streamY += fm.lineSpacing();
        break;
      }
      case Op::Text:
        painter.drawText(op.x, op.y + QFontMetrics(painter.font(), &printer_).ascent(), op.text);
        break;
      case Op::DrawLine:
        painter.drawLine(op.x, op.y, op.x2, op.y2);
        break;
      case Op::Bitmap: {
        QImage image(":/images/" + op.text + ".png");
        if (image.isNull()) image.load(":/images/" + op.text + ".jpg");
        if (image.isNull()) break;
        // Our pictures keep their proportions: scaled to fit the rectangle, centred in it.
        QRect box(op.x, op.y, op.x2, op.y2);
        QSize size = image.size().scaled(box.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(box.x() + (box.width() - size.width()) / 2, box.y()), size);
        painter.drawImage(target, image);
        break;
      }
      case Op::Page:
        newPage();
        break;
    }
  }
}

// The last report's file name would overwrite it: each report gets its own name, also where the
// last job went to paper and the scorer now picks the PDF printer in the dialog. Naming a file
// selects the PDF printer, so the paper printer that was chosen stays chosen.
void QtPrinter::ProposePdfFile(const QString& path) {
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    printer_.setOutputFileName(path);
    return;
  }
  const QString paper = printer_.printerName();
  printer_.setOutputFileName(path);
  printer_.setOutputFormat(QPrinter::NativeFormat);
  printer_.setPrinterName(paper);
}

bool QtPrinter::PrintsToPdfFile() const {
  return printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty();
}

void QtPrinter::WritePdfSafely() {
  const QString chosen = printer_.outputFileName();
  const std::string target = QFile::encodeName(chosen).toStdString();
  lastError = PaintPdf(target);
  printer_.setOutputFileName(chosen);  // the next print dialog offers the same file
  printer_.setOutputFormat(QPrinter::PdfFormat);
  if (!lastError.empty() && pdfFile.isEmpty())
    QMessageBox::warning(parent, "Print",
                         "The PDF file was not written.\n" + QString::fromLocal8Bit(lastError.c_str()));
}

std::string QtPrinter::PaintPdf(const std::string& target) {
  PosixFileSystem machine;
  FileSystem& files = fs ? *fs : machine;
  const std::vector<ProtectedFile> kept = protectedFiles ? protectedFiles() : std::vector<ProtectedFile>{};
  if (auto refusal = RefusedOutputTarget(files, kept, target)) return *refusal;
  // The scratch file lies in the temporary folder, so that nothing half-written ever stands beside
  // the user's file and a full disk there is reported by the write that knows why.
  QTemporaryFile scratch(QDir::tempPath() + "/tallivar-XXXXXX.pdf");
  if (!scratch.open())
    return "Could not write \"" + target + "\": no temporary file: " + scratch.errorString().toStdString();
  scratch.close();
  printer_.setOutputFileName(scratch.fileName());
  QPainter painter;
  if (!painter.begin(&printer_)) return "Could not write \"" + target + "\": the PDF could not be started";
  Render(painter);
  painter.end();
  QFile painted(scratch.fileName());
  const QByteArray bytes = painted.open(QIODevice::ReadOnly) ? painted.readAll() : QByteArray();
  if (!PdfIsComplete(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return "Could not write \"" + target + "\": the temporary file \"" +
           QFile::encodeName(scratch.fileName()).toStdString() + "\" came out incomplete (is its disk full?)";
  try {
    WriteOutputFile(files, kept, target,
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const IoError& e) {
    return e.what();
  }
  return {};
}

void QtPrinter::SetOrientation(Orientation o) {
  printer_.setPageOrientation(o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void QtPrinter::SetFont(std::string_view name, int pointSize, bool bold) {
  font_ = PrinterFont(name, pointSize, bold);
  if (inDocument_) ops_.push_back({Op::Font, 0, 0, 0, 0, {}, font_});
}

void QtPrinter::WriteLine(std::string_view line) {
  ops_.push_back({Op::StreamLine, 0, 0, 0, 0, ToQt(line), {}});
}
void QtPrinter::FormFeed() { ops_.push_back({Op::Page, 0, 0, 0, 0, {}, {}}); }
void QtPrinter::NewPage() { ops_.push_back({Op::Page, 0, 0, 0, 0, {}, {}}); }

int QtPrinter::PageWidth() { return printer_.pageLayout().paintRectPixels(printer_.resolution()).width(); }
int QtPrinter::DotsPerInch() { return printer_.resolution(); }
int QtPrinter::PageHeight() { return printer_.pageLayout().paintRectPixels(printer_.resolution()).height(); }

int QtPrinter::TextHeight(std::string_view) { return QFontMetrics(font_, &printer_).height(); }
int QtPrinter::TextWidth(std::string_view text) {
  return QFontMetrics(font_, &printer_).horizontalAdvance(ToQt(text));
}

void QtPrinter::TextOut(int x, int y, std::string_view text) {
  ops_.push_back({Op::Text, x, y, 0, 0, ToQt(text), {}});
}
void QtPrinter::Line(int x1, int y1, int x2, int y2) {
  ops_.push_back({Op::DrawLine, x1, y1, x2, y2, {}, {}});
}
void QtPrinter::StretchBitmap(int x, int y, int width, int height, std::string_view resource) {
  ops_.push_back({Op::Bitmap, x, y, width, height, ToQt(resource), {}});
}

void QtPrinter::ShowPrintDialog() {
  QPrintDialog dialog(&printer_, parent);
  dialog.exec();
}

void QtPrinter::ShowPrinterSetup() {
  QPageSetupDialog dialog(&printer_, parent);
  dialog.exec();
}
