#include "app/report_pdf.h"

#include "app/qt_printer.h"

namespace {

std::string Failure(const QtPrinter& printer, const std::string& path) {
  if (!printer.lastError.empty()) return printer.lastError;
  return printer.pagesPrinted == 0 ? "the PDF file \"" + path + "\" cannot be written" : "";
}

}  // namespace

std::string WriteReportPdf(const ReportDocument& doc, const std::string& path) {
  QtPrinter printer;
  printer.pdfFile = QString::fromLocal8Bit(path.c_str());
  if (!SendToPrinter(printer, doc)) return "the PDF file \"" + path + "\" cannot be written";
  return Failure(printer, path);
}

std::string WriteDrawnPdf(const std::string& path, const std::function<bool(Printer&)>& print) {
  QtPrinter printer;
  printer.pdfFile = QString::fromLocal8Bit(path.c_str());
  if (!print(printer)) return {};
  return Failure(printer, path);
}
