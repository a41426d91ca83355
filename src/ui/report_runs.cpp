#include "ui/report_runs.h"

#include "core/skier_ops.h"
#include "core/work_list.h"

void RunReport(Tournament& t, Platform& p, const std::function<void()>& report) {
  DrawTiesOfRound(t, p.random, t.CurRound);
  report();
  p.Shown(PrepareSelection(t, p.random, t.Selected()));
}

bool PrintBuilt(Tournament& t, Platform& p, const std::function<std::optional<ReportDocument>()>& build) {
  bool printed = false;
  RunReport(t, p, [&] {
    if (auto doc = build()) printed = SendToPrinter(p.printer, *doc);
  });
  return printed;
}
