#pragma once
// "Review Entry Lists": prints or shows one of the three entry lists, and the read-only screen view
// the lists are shown in.
#include <optional>

#include "core/tournament.h"
#include "entries/entry_views.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

// The screen view of an entry list: one fixed-pitch memo line per entry.
class TEntryListsView : public DialogModel {
 public:
  TEntryListsView();

  void Describe(FormLayout& form) override;

  Memo EntryViews;
  Button btnClose{"Close"};
};

class TfrmEntryLists : public DialogModel {
 public:
  TfrmEntryLists(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;

  void btnPrintClick();
  void btnViewClick();
  void btnHelpClick();

  // The list the radio group names; none while no item is chosen.
  std::optional<EntryListKind> chosen() const;

  RadioGroup rgEntry{
      {"Alphabetical List of All Entries", "All Entries - by Division", "Entries - Current Division"},
      -1,
      true};
  Button btnPrint{"Print List"}, btnView{"View List"}, btnHelp{"Help"};

  // Kept with the dialog so that "View List" with no choice shows the lines it showed last.
  TEntryListsView view;

 private:
  Tournament& t_;
  Platform& p_;
};
