#include "printing/pdf_name.h"

#include <gtest/gtest.h>

TEST(PdfName, BesideTheEventNamedAfterReportAndRound) {
  struct Case {
    const char* eventBase;
    int round;
    const char* title;
    const char* path;
  };
  for (const Case& c : std::vector<Case>{
           {"/lake/Nats", 1, "Official Results", "/lake/Nats-Official-Results-R1.pdf"},
           {"/lake/Nats", 2, "Starting List", "/lake/Nats-Starting-List-R2.pdf"},
           {"/lake/Nats", 1, "Results: W/M  (all)", "/lake/Nats-Results-W-M-all-R1.pdf"},
           {"/lake/Nats", 3, "", "/lake/Nats-report-R3.pdf"},
           {"", 1, "Event Summary", "untitled-Event-Summary-R1.pdf"},
       }) {
    Tournament t;
    t.EventBase = c.eventBase;
    t.CurRound = c.round;
    EXPECT_EQ(ProposedPdfPath(t, c.title), c.path) << c.title;
  }
  // Without a base name of its own the event file names it.
  Tournament t;
  t.EventFile = "/lake/Open.dat";
  EXPECT_EQ(ProposedPdfPath(t, "Event Results"), "/lake/Open-Event-Results-R1.pdf");
}
