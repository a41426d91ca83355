#pragma once
// A report's printed pages written to a PDF file without asking, as the command line does.
#include <string>

#include "printing/report_page.h"

// Needs a running QGuiApplication (the offscreen platform will do). Answers an error message, or
// empty when the file was written.
std::string WriteReportPdf(const ReportDocument& doc, const std::string& path);
