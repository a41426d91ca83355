#include "ui/program_dialogs.h"

#include <memory>

#include "printing/report_page.h"
#include "printing/results_page.h"
#include "printing/start_list.h"
#include "results/exports.h"
#include "ui/quick_grids.h"
#include "ui/report_runs.h"
#include "ui/tabout_box.h"
#include "ui/tfrm_declared_pass.h"
#include "ui/tfrm_entry_list.h"
#include "ui/tfrm_entry_lists.h"
#include "ui/tfrm_event_ofc.h"
#include "ui/tfrm_import.h"
#include "ui/tfrm_live_results.h"
#include "ui/tfrm_preferences.h"
#include "ui/tfrm_result_list.h"
#include "ui/tfrm_rslt_print.h"
#include "ui/tfrm_rslt_view.h"
#include "ui/tfrm_sched.h"
#include "ui/tfrm_seed_input.h"
#include "ui/tfrm_seed_opt.h"
#include "ui/tfrm_setup_info.h"
#include "ui/tfrm_start_list.h"
#include "ui/tfrm_team_list.h"
#include "ui/tfrm_team_rslt.h"
#include "ui/tfrm_tour_info.h"
#include "ui/tscore_form_options.h"

namespace {

// Builds a fresh dialog model for each showing, so no state lingers from the last one.
template <typename Model, typename... Args>
void Show(Platform& p, Args&... args) {
  Model m(args...);
  p.dialogs.ShowModal(m);
}

}  // namespace

void WireProgramDialogs(TForm1& form, Tournament& t, Platform& p) {
  TForm1Hooks& h = form.hooks;
  h.showTourInfo = [&t, &p] { Show<TfrmTourInfo>(p, t, p); };
  h.showPreferences = [&t, &p] { Show<TfrmPreferences>(p, t, p); };
  h.showEntryList = [&t, &p] {
    TfrmEntryList list(t, p);
    list.entryForm.openDeclaredRun = [&t, &p] { Show<TfrmDeclaredPass>(p, t, p); };
    list.entryForm.openSeedScores = [&t, &p] { Show<TfrmSeedInput>(p, t, p); };
    p.dialogs.ShowModal(list);
  };
  h.showImport = [&t, &p] { Show<TfrmImport>(p, t, p); };
  h.showTeamList = [&t, &p] { Show<TfrmTeamList>(p, t, p); };
  h.showTeamResults = [&t, &p] { Show<TfrmTeamRslt>(p, t, p); };
  h.showSchedule = [&t, &p] { Show<TfrmSched>(p, t, p); };
  h.showOfficials = [&t, &p] { ShowOfficialsDialog(t, p, t.CurEvent); };
  h.printAllStartLists = [&t, &p] {
    PrintBuilt(t, p, [&] { return StartListDocument(t, t.Selected(), p, StartListChoice::All, ""); });
  };
  h.showEntryLists = [&t, &p] { Show<TfrmEntryLists>(p, t, p); };
  h.showSeedOptions = [&t, &p, memory = std::make_shared<SeedOptionMemory>()] {
    Show<TfrmSeedOpt>(p, t, p, *memory);
  };
  h.showStartList = [&t, &p] { Show<TfrmStartList>(p, t, p); };
  h.showScoreFormOptions = [&t, &p] { Show<TScoreFormOptions>(p, t, p); };
  h.showResultList = [&t, &p] { Show<TfrmResultList>(p, t, p); };
  h.showQuickEntry = [&t, &p](char event) {
    if (event == 'J')
      Show<TfrmBasicJump>(p, t, p);
    else if (event == 'T')
      Show<TfrmBasicTrick>(p, t, p);
    else
      Show<TBasicSlalomForm>(p, t, p);
  };
  h.showResultView = [&t, &p] { Show<TfrmRsltView>(p, t, p); };
  h.showResultPrint = [&t, &p] { Show<TfrmRsltPrint>(p, t, p); };
  h.showSetupInfo = [&t, &p] {
    const Tournament& view = t;
    Show<TfrmSetupInfo>(p, view);
  };
  h.showAbout = [&p] { Show<TAboutBox>(p); };
  h.runTextExport = [&t, &p] { p.Shown(RunTextExport(t, p.fs)); };
  h.runCsvExport = [&t, &p] { p.Shown(RunCsvExport(t, p.fs)); };
  h.writeResultsPage = [&t, &p] { return WriteResultsPageBesideEvent(t, p); };
  h.showLiveResults = [&form, &p] { Show<TfrmLiveResults>(p, form.live()); };
}
