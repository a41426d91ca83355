#pragma once
// A report's printed pages written to a PDF file without asking, as the command line does.
#include <functional>
#include <string>

#include "platform/printer.h"

#include "printing/report_page.h"

// Needs a running QGuiApplication (the offscreen platform will do). The file is replaced only by a
// whole PDF, as the event files are; answers why it was not, or empty when the file was written.
std::string WriteReportPdf(const ReportDocument& doc, const std::string& path);

// A drawn document (the judging forms) written to a PDF file: `print` draws on the printer and
// answers whether it printed anything. Empty when the file was written or nothing was printed.
std::string WriteDrawnPdf(const std::string& path, const std::function<bool(Printer&)>& print);
