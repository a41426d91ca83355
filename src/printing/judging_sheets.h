#pragma once
// The forms the officials write on at the lake: the slalom scoring and recap sheets, the jump boat
// and master sheets and the trick judging sheet. They are drawn on the page (text at positions and
// ruled lines), either blank or "seeded" with the current division's skiers in start order.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tournament.h"
#include "platform/printer.h"
#include "platform/services.h"

enum class JudgingForm { SlalomScoring = 0, SlalomRecap, JumpBoat, JumpMaster, Trick };

// The command line's names, in the dialog's order: "slalom-scoring", "slalom-recap", "jump-boat",
// "jump-master", "trick".
const std::vector<std::string>& JudgingFormNames();

// The event a seeded form is for: 'S', 'J' or 'T'.
char JudgingFormEvent(JudgingForm form);

// Skiers per page of a seeded form (the trick sheet holds one), and the most a form writes.
int SkiersPerPage(JudgingForm form);
int MostSkiers(JudgingForm form);

// Draws the blank form on one page. False when the user cancelled the print job.
bool PrintBlankForm(Printer& printer, const Tournament& t, JudgingForm form);

// Draws the form with the current division's skiers of the current event, in start order. When
// the current event is not the form's, says so and prints nothing. False when nothing was printed.
bool PrintSeededForm(Printer& printer, const Tournament& t, const Services& p, JudgingForm form);
