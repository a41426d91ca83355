#include "ui/tfrm_help.h"

#include "entries/import_help.h"
#include "help/help_topics.h"

TfrmHelp::TfrmHelp(int topic) : DialogModel("Tallivar Help") {
  Memo1.readOnly = true;
  // The import page shows the line layout the import itself is built from, so the two cannot drift.
  if (topic == kHelpImportLayout)
    Memo1.lines = ImportHelpLines();
  else
    Memo1.lines = HelpTopicLines(topic);
}

void TfrmHelp::Describe(FormLayout& form) {
  form.AddMemo("", Memo1, 110, 26);
  form.AddButton(
      btnClose, [this] { btnCloseClick(); }, true, true);
}

void TfrmHelp::btnCloseClick() { Close(); }
