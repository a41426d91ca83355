#include "app/report_pdf.h"

#include <QFileInfo>

#include "app/qt_printer.h"
#include "app/text_codec.h"

std::string WriteReportPdf(const ReportDocument& doc, const std::string& path) {
  QtPrinter printer;
  printer.pdfFile = QString::fromLocal8Bit(path.c_str());
  if (!SendToPrinter(printer, doc) || printer.pagesPrinted == 0)
    return "the PDF file \"" + path + "\" cannot be written";
  return {};
}

std::string WriteDrawnPdf(const std::string& path, const std::function<bool(Printer&)>& print) {
  QtPrinter printer;
  printer.pdfFile = QString::fromLocal8Bit(path.c_str());
  if (print(printer) && printer.pagesPrinted == 0) return "the PDF file \"" + path + "\" cannot be written";
  return {};
}
