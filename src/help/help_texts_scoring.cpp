// Help texts of seeding, scoring, results and the officials.
#include "help/help_texts.h"

const std::vector<HelpTopic>& ScoringHelpTopics() {
  static const std::vector<HelpTopic> topics = {
      {kHelpSeeding, "Seeding",
       "Every skier has one seed value per event; within a division and event the skiers start in\n"
       "ascending order of their seeds, so the lowest seed skis first. Seeds are typed in the\n"
       "entry form, imported with the entries, or computed here for the current event: a random\n"
       "order, the previous round's score, the placement score, or a selection for the final.\n"
       "A computed seeding replaces the seeds of the current event only.\n"
       "Previous-round and total-score seeding need round 2 or later. From round 2 on under\n"
       "First Round Placement only the finals selection may seed: tick the finalists of the\n"
       "division and press Save; they are then seeded by their previous-round score.\n"
       "Under Last Round Placement finalists with equal round 1 scores start in an order drawn by\n"
       "lot once and kept with the event, so every list and sheet of the final agrees. Save in the\n"
       "finals selection draws that order again for the current division, event and round on.\n"
       "The All Divisions options leave the adapted divisions alone; seed those one at a time."},
      {kHelpStartLists, "Starting Lists",
       "Prints the start order of the current round for the chosen divisions and events, with the\n"
       "seed values. Print them after seeding and hand them to the dock starter and the judges.\n"
       "For several divisions type their codes separated by commas and no spaces, e.g. M,W,BU14;\n"
       "a lower-case m or w also stands for M or W. Preview shows the same lists on screen."},
      {kHelpSchedule, "Event Schedule",
       "Plan up to four days. For each day give the start time; for each event the minutes one\n"
       "skier takes. Put the divisions and events in order and the program computes when each\n"
       "starts. Save the event to keep the schedule with it (.sch file)."},
      {kHelpSheets, "Judging and Scoring Sheets",
       "Prints blank sheets or sheets already filled with the skiers of a division in start\n"
       "order, for the boat, tower and trick judges and for the scorer.\n"
       "Choose a seeded form on the left and press Print Form: the skiers of the current division\n"
       "entered in the current event are written into its rows (15 or 7 to a page; one trick sheet\n"
       "per skier). The slalom forms need slalom as the current event, the jump forms jump and the\n"
       "trick sheets trick; Change Div/Event/Rnd sets the division and event.\n"
       "Choose a blank form on the right and press Print Blank for an empty sheet."},
      {kHelpResultsInput, "Results Input",
       "The left list shows the skiers of the current division and event in start order with their\n"
       "result of the current round. Select a skier and press Edit Scores (or double click) to\n"
       "enter or correct the result. When the result dialog closes, the placements of the division\n"
       "and the overall scores are recomputed and the list is refreshed.\n"
       "Chose Ev/Div/Rnd changes the division, event or round. Officials records the judges and\n"
       "drivers of the current event."},
      {kHelpEventResults, "Entering an Event Result",
       "Slalom: enter the last pass as buoys (for example 2.5), choose the speed and the rope\n"
       "length of that pass; the total is computed at once. Check Pass Times compares the boat\n"
       "times with the tolerances; a time out of tolerance is shown in red.\n"
       "Trick: enter the points of pass 1 and pass 2, or use the detailed trick input.\n"
       "Jump: enter up to three jumps in metres (P for a pass, F for a fall, D for a\n"
       "disqualification), the ramp and the boat speed; the best jump counts.\n"
       "A tie for a place can be settled with the runoff place. OK saves the result, logs it in the\n"
       "event's audit log and tells you when a national record is equalled or beaten."},
      {kHelpTeamResults, "Team Results",
       "The team standings are computed each time the dialog is shown, from the skiers' results\n"
       "under the team rule of the tournament setup. Print Details prints the standings with the\n"
       "skiers who scored for each team."},
      {kHelpPrintResults, "Print Results",
       "Choose the results to print: the current division and event, all divisions of an event,\n"
       "the overall standings, or other reports such as the awards summary. Change Div/Event/Rnd\n"
       "picks another division, event or round first."},
      {kHelpExports, "Results Export Files",
       "Export to Textfile writes the official results as text. Export to CSV File writes the file\n"
       "the federation of the rules in use expects: national and IWWF rules a comma-separated\n"
       "results file and a ranking file ending in _iwwf.txt, AWSA rules the scorebook, adapted\n"
       "rules the results file. Saving a named event writes the text and CSV files beside it."},
      {kHelpResultsFiling, "Filing the Results",
       "After the last round: save the event, export the results, and send the event file, the\n"
       "text results, the CSV export and the ranking file, with the officials summary, to the\n"
       "federation. Keep the whole folder of the event as the tournament's record."},
      {kHelpViewResults, "View Results",
       "Shows the placements of the current division and event, round by round, with the overall\n"
       "standing. Nothing is changed here."},
      {kHelpOfficials, "Event Officials",
       "Record, per division and round, the judges, the boat driver and the timer who officiated\n"
       "the event. Copy takes the officials of another division or round. The officials are kept\n"
       "in the event's .ofc file and summarised in _officials.txt when the event is saved."},
      {kHelpAbout, "About Tallivar",
       "Tallivar scores water-ski tournaments in slalom, trick and jump under the national, IWWF,\n"
       "AWSA and adapted rules. Version 2022.1.1."},
      {kHelpQuickEntry, "Quick Score Entry",
       "One row per skier of the current division entered in the event, in running order, for\n"
       "the current round. Move with the arrow keys or Tab and type into the cell; each cell starts\n"
       "afresh and Backspace takes back the last character typed. An emptied cell takes its\n"
       "default (rope 18.25, jump ramp 0.235 or the ramp of the round before, jump speed 45).\n"
       "Slalom: LastPass takes . and 0 to 6; Speed takes digits; Rope and Total take . and digits.\n"
       "Trick: Pass 1, Pass 2 and Total take digits; the total is the sum of the passes.\n"
       "Jump: the jumps take . and digits, and P, F or D for a pass, a fall or a\n"
       "disqualification; Ramp takes . and digits; Speed takes digits, any other key sets 45.\n"
       "Other keys are ignored. The slalom total follows every key.\n"
       "Complete or OK saves the grid and recomputes the placements; the rows stay as they are.\n"
       "Closing with unsaved changes asks whether to save them. Detailed Input opens the result\n"
       "list. Chose Ev/Div/Rnd switches to another event, division or round."},
      {kHelpTrickPasses, "Trick Pass Detail",
       "Enter each trick of the pass in order: the skis (1 or 2) and the trick code. The points\n"
       "come from the trick table; a trick repeated in the same pass scores nothing. Insert and\n"
       "Delete edit the list, Switch Pass moves to the other pass, Save Score puts the pass totals\n"
       "into the result, Print prints the passes."},
      {kHelpDeclaredPasses, "Declared Trick Passes",
       "A skier may declare the tricks of both passes before the round. Enter them as in the trick\n"
       "detail; they are kept with the skier and can be printed for the judges."},
  };
  return topics;
}
