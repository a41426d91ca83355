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
