#include "ui/tform1.h"

#include <filesystem>

#include "core/event_files.h"
#include "core/recovery_file.h"
#include "core/skier_ops.h"
#include "core/trick_file_copy.h"
#include "core/work_list.h"
#include "help/help_topics.h"
#include "printing/results_page.h"
#include "ui/tfrm_options.h"

namespace {

const FileDialogSpec kOpenDialog{"Open Event", "Tallivar Event Data (*.dat)|*.dat|All files (*.*)|*.*", "dat",
                                 ""};
const FileDialogSpec kSaveDialog{"Save Event", "Tallivar Event Data (*.dat)|*.dat", "dat", ""};
const FileDialogSpec kSaveDialogTxt{"Export to Textfile", "Tallivar textfile results (*.txt)|*.txt", "txt",
                                    ""};
const FileDialogSpec kSaveDialogCsv{"Export to CSV File", "Tallivar Export File (*.csv)|*.csv", "csv", ""};

// Runs a hook that may not be wired yet; its menu command is disabled then, so nothing is lost.
void Call(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

std::string RulesPanelText(int rulesMode) {
  switch (rulesMode) {
    case 0:
      return "ZETL Rules";
    case 1:
      return "AWSA Rules";
    case 2:
      return "IWWF Rules";
    case 3:
      return "Adapted Rules";
    default:
      return "";
  }
}

TForm1::TForm1(Tournament& t, Platform& p) : t_(t), p_(p), recovery_(t, p), lock_(p), live_(t, p) {
  StatusBar1.panels = {kUntitled, "Div:M  Event:S  Round:1", "ZETL Rules"};
}

std::string TForm1::Caption() const {
  return "Tallivar - " + std::filesystem::path(StatusBar1.panels[0]).filename().string() +
         (lock_.readOnly() ? " (read-only)" : "");
}

void TForm1::RefreshStatus() {
  // The start-up text stands until the selection first changes.
  if (t_.Selected() == shownSelection_) return;
  shownSelection_ = t_.Selected();
  StatusBar1.panels[1] = SelectionStatusText(t_);
}

void TForm1::SetRulesPanel() {
  std::string text = RulesPanelText(t_.RulesMode());
  if (!text.empty()) StatusBar1.panels[2] = text;
}

// ---- File menu ----

void TForm1::New1Click() {
  Call(hooks.showTourInfo);
  live_.EventReplaced();
  SetRulesPanel();
}

void TForm1::Open1Click() {
  auto path = p_.files.Open(kOpenDialog);
  if (!path) return;
  const Opening how = lock_.Take(*path);
  if (how == Opening::Cancelled) return;
  // A failed open has been reported and leaves the open event as it was.
  if (!p_.Shown(OpenEvent(t_, p_.fs, p_.random, *path))) {
    lock_.OpenFailed(*path);
    return;
  }
  lock_.Opened(*path, how);
  recovery_.Forget();
  live_.EventReplaced();
  StatusBar1.panels[0] = t_.EventFile.str();
  // The copy beside an event someone else has open is their unsaved work, not ours to restore.
  if (how == Opening::Editable) TookRecovered(recovery_.Offer(RecoveryPathOfEvent(*path), *path));
  SetRulesPanel();
}

void TForm1::OfferRecoveryAtStartup() {
  // A copy beside an event another running Tallivar has open is that program's live work. The
  // event last worked on is found through the list of live copies, wherever it lies.
  Recovered what = recovery_.OfferListed([this](const std::string& copyPath) {
    return lock_.HeldByAnother(EventOfRecoveryCopy(copyPath));
  });
  if (what == Recovered::Nothing && !t_.EventFile.empty() && !lock_.HeldByAnother(t_.EventFile.str()))
    what = recovery_.Offer(RecoveryPathOfEvent(t_.EventFile.str()), t_.EventFile.str());
  if (what == Recovered::NamedEvent) lock_.Restored(t_.EventFile.str());
  // Once one copy is restored, any other waits for the next start.
  if (what == Recovered::Nothing) what = recovery_.Offer(UntitledRecoveryPath(t_), "");
  TookRecovered(what);
  SetRulesPanel();
}

void TForm1::TookRecovered(Recovered what) {
  if (what == Recovered::NamedEvent) StatusBar1.panels[0] = t_.EventFile.str();
  if (what == Recovered::NewEvent) StatusBar1.panels[0] = kUntitled;
}

void TForm1::DiscardRecovery() {
  if (!lock_.readOnly()) recovery_.Discard(HasName());
}

bool TForm1::SaveClean() {
  const std::string target = t_.EventFile.str();
  if (!lock_.MaySave(target)) return false;
  if (!p_.Shown(SaveEvent(t_, p_.fs, p_.clock, p_.random))) {
    lock_.SaveFailed(target);
    return false;
  }
  lock_.Saved(target);
  recovery_.Discard(true);
  live_.EventReplaced();
  if (hooks.writeResultsPage) hooks.writeResultsPage();
  return true;
}

void TForm1::Save1Click() {
  if (Named() && !t_.EventFile.empty())
    SaveWithExports();
  else
    SaveWithDialog();
}

void TForm1::SaveAs1Click() {
  FileDialogSpec request = kSaveDialog;
  std::string oldName = t_.EventFile.str();
  request.presetName = oldName;
  auto path = p_.files.Save(request);
  if (!path) return;
  if (!SaveUnder(*path)) return;
  p_.prompt.ShowEach(CopyTrickFile(p_.fs, oldName, t_.EventBase.str() + ".trk").messages);
  // The names stay, so a later Exit that saves writes the exports under the new name too.
  RunExportsUnderBase(true);
  SetRulesPanel();
}

void TForm1::Print1Click() { p_.printer.ShowPrintDialog(); }
void TForm1::PrintSetup1Click() { p_.printer.ShowPrinterSetup(); }
void TForm1::Preferences1Click() { Call(hooks.showPreferences); }

void TForm1::Exit1Click() {
  if (!t_.Unsaved) {
    DiscardRecovery();
    exitRequested_ = true;
    return;
  }
  switch (p_.prompt.Ask("You have unsaved data! Save Now?", "Warning", Buttons::YesNoCancel)) {
    case Answer::Yes:
      // The program keeps running after saving; the next Exit ends it.
      if (Named() && !t_.EventFile.empty()) {
        if (SaveClean()) RunExportsAsTheyStand();
      } else {
        SaveWithDialog();
      }
      break;
    case Answer::No:
      exitRequested_ = true;
      break;
    default:
      break;
  }
}

bool TForm1::FormClose() {
  if (exitRequested_) return true;
  if (!t_.Unsaved) {
    DiscardRecovery();
    return true;
  }
  if (p_.prompt.Ask("You have unsaved data! Save now?", "Warning", Buttons::YesNo) != Answer::Yes)
    return true;
  // A save that failed keeps the window open, so the data the user wanted kept is not lost.
  if (Named() && !t_.EventFile.empty()) return SaveWithExports();
  return SaveWithDialog();
}

bool TForm1::SaveWithExports() {
  if (!SaveClean()) return false;
  RunExportsUnderBase();
  return true;
}

bool TForm1::SaveWithDialog() {
  auto path = p_.files.Save(kSaveDialog);
  if (!path) return true;
  return SaveUnder(*path);
}

bool TForm1::SaveUnder(const std::string& path) {
  auto oldFile = t_.EventFile;
  auto oldBase = t_.EventBase;
  t_.EventFile = path;
  if (!SaveClean()) {
    t_.EventFile = oldFile;
    t_.EventBase = oldBase;
    return false;
  }
  StatusBar1.panels[0] = t_.EventFile.str();
  return true;
}

void TForm1::RunExportsUnderBase(bool keepNames) {
  t_.TxtExportFile = t_.EventBase.str() + ".txt";
  Call(hooks.runTextExport);
  if (!keepNames) t_.TxtExportFile = "";
  t_.CsvExportFile = t_.EventBase.str() + ".csv";
  Call(hooks.runCsvExport);
  if (!keepNames) t_.CsvExportFile = "";
}

void TForm1::RunExportsAsTheyStand() {
  // An export without a name would write a file called ".txt" nowhere the user chose.
  if (!t_.TxtExportFile.empty()) Call(hooks.runTextExport);
  if (!t_.CsvExportFile.empty()) Call(hooks.runCsvExport);
}

// ---- Entry menu ----

void TForm1::AddEntry1Click() { Call(hooks.showEntryList); }
void TForm1::ImportEntries1Click() { Call(hooks.showImport); }
void TForm1::ListEntries1Click() { Call(hooks.showEntryLists); }

void TForm1::ClearAllEntries1Click() {
  if (p_.prompt.AskDestructive("Are you sure you want to delete all skiers ?!", "Warning!",
                               Buttons::OkCancel) != Answer::Ok)
    return;
  DeleteAllSkiers(t_);
  StatusBar1.panels[0] = "Untitled";
}

void TForm1::ClearAllScores1Click() {
  if (p_.prompt.AskDestructive("Delete all score data, keep skier names!", "Warning!", Buttons::OkCancel) !=
      Answer::Ok)
    return;
  ClearAllScores(t_);
}

void TForm1::Teams1Click() { Call(hooks.showTeamList); }

// ---- Event menu ----

void TForm1::Seeding1Click() { Call(hooks.showSeedOptions); }
void TForm1::JudgingSheets1Click() { Call(hooks.showScoreFormOptions); }
void TForm1::StartListSheets1Click() { Call(hooks.showStartList); }
void TForm1::EventSchedule1Click() { Call(hooks.showSchedule); }
void TForm1::EventOfficials1Click() { Call(hooks.showOfficials); }
void TForm1::AllStartLists1Click() { Call(hooks.printAllStartLists); }

// ---- Results menu ----

void TForm1::InputResults1Click() {
  if (t_.info.ClassDigit != '1') {
    Call(hooks.showResultList);
    return;
  }
  if (!hooks.showQuickEntry) return;
  // Changing the event inside a grid opens the grid of the new event next.
  char before = 0;
  do {
    before = t_.CurEvent;
    hooks.showQuickEntry(before);
    p_.Shown(PrepareSelection(t_, p_.random, t_.Selected()));
  } while (t_.CurEvent != before);
}

void TForm1::ViewResults1Click() { Call(hooks.showResultView); }
void TForm1::TeamResults1Click() { Call(hooks.showTeamResults); }

void TForm1::ExporttoTextfile1Click() {
  auto path = p_.files.Save(kSaveDialogTxt);
  if (!path) return;
  t_.TxtExportFile = *path;
  p_.prompt.Show("Saving results to \".txt\" file..");
  Call(hooks.runTextExport);
}

void TForm1::ExporttoCSVFile1Click() {
  t_.CsvExportFile = "";
  auto path = p_.files.Save(kSaveDialogCsv);
  if (!path) return;
  t_.CsvExportFile = *path;
  switch (t_.RulesMode()) {
    case 1:
      p_.prompt.Show("Saving results to \".pdf\" file..");
      break;
    case 2:
      p_.prompt.Show("Saving results to \".txt\" file..");
      break;
    default:
      p_.prompt.Show("Saving results to \".csv\" file..");
      break;
  }
  Call(hooks.runCsvExport);
}

void TForm1::PrintResults1Click() { Call(hooks.showResultPrint); }

void TForm1::ResultsPage1Click() {
  if (!hooks.writeResultsPage) return;
  if (!Named() || t_.EventFile.empty()) {
    p_.prompt.Show("Save the event first: the results page is written beside the event file.");
    return;
  }
  if (hooks.writeResultsPage())
    p_.prompt.Show("The provisional results page was written to " + ResultsPagePath(t_));
}

void TForm1::LiveResults1Click() { Call(hooks.showLiveResults); }

// ---- Help menu ----

void TForm1::UserGuideClick() { p_.help.ShowTopic(kHelpUserGuide); }
void TForm1::SetUpInfo1Click() { Call(hooks.showSetupInfo); }
void TForm1::About1Click() { Call(hooks.showAbout); }
