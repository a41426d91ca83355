// Every dialog through the real view: it fits a laptop screen, names are readable in full, and
// the view's manners (selection, texts the model wrote, message icons, menus) hold.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/edit_picture.h"
#include "app/main_window.h"
#include "app/mnemonics.h"
#include "app/qt_prompter.h"
#include "core/divisions.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/program_dialogs.h"
#include "ui/quick_grids.h"
#include "ui/tabout_box.h"
#include "ui/tfrm_declared_pass.h"
#include "ui/tfrm_entry.h"
#include "ui/tfrm_entry_list.h"
#include "ui/tfrm_entry_lists.h"
#include "ui/tfrm_event_ofc.h"
#include "ui/tfrm_help.h"
#include "ui/tfrm_import.h"
#include "ui/tfrm_jump_rslt.h"
#include "ui/tfrm_ofc_copy.h"
#include "ui/tfrm_options.h"
#include "ui/tfrm_preferences.h"
#include "ui/tfrm_result_list.h"
#include "ui/tfrm_rslt_print.h"
#include "ui/tfrm_rslt_view.h"
#include "ui/tfrm_sched.h"
#include "ui/tfrm_seed_finals.h"
#include "ui/tfrm_seed_input.h"
#include "ui/tfrm_seed_opt.h"
#include "ui/tfrm_seed_review.h"
#include "ui/tfrm_setup_info.h"
#include "ui/tfrm_skier_select.h"
#include "ui/tfrm_slal_rslt.h"
#include "ui/tfrm_start_list.h"
#include "ui/tfrm_team_list.h"
#include "ui/tfrm_team_rslt.h"
#include "ui/tfrm_tour_info.h"
#include "ui/tfrm_trick_pass.h"
#include "ui/tfrm_trick_rslt.h"
#include "ui/tscore_form_options.h"
#include "view_dialog_host.h"

namespace {

using Factory = std::function<std::unique_ptr<DialogModel>(Tournament&, Platform&)>;

template <typename M>
Factory Make() {
  return [](Tournament& t, Platform& p) { return std::make_unique<M>(t, p); };
}

struct DialogLayout : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;

  DialogLayout() {
    t.SettingsDir = dir.path();
    t.EventBase = dir.file("Lake");
    // A long name, as the scorer will meet one.
    int w35 = 0;
    DivisionNumber("W35", w35);
    TSkier& s = AddSkier(t, tp.platform, "VANDERWATERINGS", "Alexandrinas", w35, "STJ");
    t.Working = s;
  }
};

// The size a dialog first opens at on a screen of this size, as Qt gives it on its first showing:
// its preferred size, at most two thirds of the screen, never below its minimum.
QSize DefaultSize(QDialog& view, QSize screen) {
  QSize s = view.sizeHint();
  QLayout* layout = view.layout();
  if (layout->hasHeightForWidth()) s.setHeight(layout->totalHeightForWidth(s.width()));
  if (layout->expandingDirections() & Qt::Horizontal) s.setWidth(std::max(s.width(), 200));
  if (layout->expandingDirections() & Qt::Vertical) s.setHeight(std::max(s.height(), 100));
  s = s.boundedTo(screen * 2 / 3);
  return s.expandedTo(view.minimumSize());
}

// A button the scorer cannot see or reach: outside the part of the dialog on the screen (below its
// title bar, above a task bar), or covered by another control.
std::string HiddenButton(QDialog& view, QSize screen) {
  constexpr int kTitleAndTaskBar = 72;
  const QRect visible(0, 0, std::min(view.width(), screen.width()),
                      std::min(view.height(), screen.height() - kTitleAndTaskBar));
  for (QPushButton* button : view.findChildren<QPushButton*>()) {
    if (!button->isVisibleTo(&view)) continue;
    const QRect at(button->mapTo(&view, QPoint(0, 0)), button->size());
    if (!visible.contains(at)) return button->text().toStdString() + " outside the screen";
    for (QWidget* other : view.findChildren<QWidget*>()) {
      if (other == button || !other->isVisibleTo(&view) || other->isAncestorOf(button) ||
          button->isAncestorOf(other) || other->isWindow())
        continue;
      const QRect there(other->mapTo(&view, QPoint(0, 0)), other->size());
      if (at.intersects(there) && !other->findChildren<QPushButton*>().contains(button))
        return button->text().toStdString() + " over " + other->metaObject()->className() + " " +
               other->objectName().toStdString();
    }
  }
  return "";
}

}  // namespace

TEST_F(DialogLayout, EveryDialogFitsALaptopAndShowsNamesWhole) {
  const std::vector<std::pair<const char*, Factory>> dialogs = {
      {"slalom", Make<TfrmSlalRslt>()},
      {"jump", Make<TfrmJumpRslt>()},
      {"trick", Make<TfrmTrickRslt>()},
      {"trick-pass", Make<TfrmTrickPass>()},
      {"declared-pass", Make<TfrmDeclaredPass>()},
      {"entry-form", Make<TfrmEntry>()},
      {"entry-list", Make<TfrmEntryList>()},
      {"import", Make<TfrmImport>()},
      {"tournament-setup", Make<TfrmTourInfo>()},
      {"preferences", Make<TfrmPreferences>()},
      {"options", Make<TfrmOptions>()},
      {"result-list", Make<TfrmResultList>()},
      {"slalom-grid", Make<TBasicSlalomForm>()},
      {"trick-grid", Make<TfrmBasicTrick>()},
      {"jump-grid", Make<TfrmBasicJump>()},
      {"setup-info", [](Tournament& t, Platform&) { return std::make_unique<TfrmSetupInfo>(t); }},
      {"about", [](Tournament&, Platform&) { return std::make_unique<TAboutBox>(); }},
      {"help", [](Tournament&, Platform&) { return std::make_unique<TfrmHelp>(41); }},
      {"results-print", Make<TfrmRsltPrint>()},
      {"results-view", Make<TfrmRsltView>()},
      {"entry-lists", Make<TfrmEntryLists>()},
      {"entry-view", [](Tournament&, Platform&) { return std::make_unique<TEntryListsView>(); }},
      {"schedule", Make<TfrmSched>()},
      {"team-list", Make<TfrmTeamList>()},
      {"team-name", [](Tournament& t, Platform& p) { return std::make_unique<TfrmTeamName>(t, p, 1); }},
      {"team-results", Make<TfrmTeamRslt>()},
      {"skier-select", Make<TfrmSkierSelect>()},
      {"seed-input", Make<TfrmSeedInput>()},
      {"seed-options",
       [](Tournament& t, Platform& p) {
         static SeedOptionMemory memory;
         return std::make_unique<TfrmSeedOpt>(t, p, memory);
       }},
      {"seed-review", [](Tournament& t, Platform&) { return std::make_unique<TfrmSeedReview>(t); }},
      {"seed-finals", Make<TfrmSeedFinals>()},
      {"start-lists", Make<TfrmStartList>()},
      {"start-preview", [](Tournament&, Platform&) { return std::make_unique<TfrmPreviewStart>(); }},
      {"score-forms", Make<TScoreFormOptions>()},
      {"slalom-officials", Make<TfrmSlalomOfc>()},
      {"trick-officials", Make<TfrmTrickOfc>()},
      {"jump-officials", Make<TfrmJumpOfc>()},
      {"officials-copy",
       [](Tournament& t, Platform& p) {
         static OfficialsRecord buffer;
         return std::make_unique<TfrmOfcCopy>(t, p, buffer, 1);
       }},
  };
  // TALLIVAR_DIALOG_SHOTS=folder keeps a picture of each dialog for a look by eye.
  const QString shots = qEnvironmentVariable("TALLIVAR_DIALOG_SHOTS");
  for (const auto& [name, make] : dialogs) {
    SCOPED_TRACE(name);
    std::unique_ptr<DialogModel> model = make(t, tp.platform);
    model->FormShow();
    ModelDialog view(*model, tp.prompter);
    view.show();
    QApplication::processEvents();
    // Every button is there to be clicked at the size the dialog opens at, on both laptop screens.
    for (QSize screen : {QSize(1366, 768), QSize(1280, 720)}) {
      view.resize(DefaultSize(view, screen));
      QApplication::processEvents();
      EXPECT_EQ(HiddenButton(view, screen), "") << screen.width() << "x" << screen.height();
    }
    QSize least = view.minimumSizeHint().expandedTo(view.minimumSize());
    EXPECT_LE(least.width(), 1280);
    EXPECT_LE(least.height(), 720);
    view.resize(least);
    QApplication::processEvents();
    for (QLineEdit* edit : view.findChildren<QLineEdit*>()) {
      if (!edit->isVisible()) continue;
      // The skier's and the event's names in full; every other field as long as it may be.
      int chars = edit->objectName() == "edName" || edit->objectName() == "edtName" ? 30
                  : edit->maxLength() <= 40                                         ? edit->maxLength()
                                                                                    : 0;
      int need = edit->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0')));
      EXPECT_GE(edit->contentsRect().width(), need) << edit->objectName().toStdString();
    }
    if (!shots.isEmpty()) view.grab().save(QDir(shots).filePath(QString(name) + ".png"));
  }
}

TEST_F(DialogLayout, AListWithNothingSelectedReportsNoChoice) {
  ViewDialogHost host(tp.prompter);
  Platform platform{tp.prompter, tp.files, tp.printer, tp.clock, tp.random, host, tp.help, tp.fs};
  TfrmEntryList list(t, platform);
  host.Expect<TfrmEntryList>([this](TfrmEntryList& m, ModelDialog& view) {
    auto* names = WidgetOf<QListWidget>(view, &m.lbxNames);
    // What Qt does when the list takes the focus: a current row, nothing selected.
    names->setFocus();
    names->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    ASSERT_EQ(names->currentRow(), 0);
    Click(view, &m.btnDelete);
    EXPECT_TRUE(tp.prompter.saw("Nothing Selected!"));
    EXPECT_EQ(t.SkierCount(), 1);
    Click(view, &m.btnEdit);  // no entry form may open: the host would report it
    EXPECT_TRUE(tp.prompter.saw("Select a Skier!"));
  });
  host.ShowModal(list);
  EXPECT_TRUE(host.done());
}

TEST_F(DialogLayout, TextsTheModelWroteAreShownWholeAndStayEditable) {
  ViewDialogHost host(tp.prompter);
  Platform platform{tp.prompter, tp.files, tp.printer, tp.clock, tp.random, host, tp.help, tp.fs};
  // A sanction number read from a file is longer than the field lets one type.
  t.info.SanctionNo = "25CAN01234";
  TfrmTourInfo setup(t, platform);
  host.Expect<TfrmTourInfo>([](TfrmTourInfo& m, ModelDialog& view) {
    EXPECT_EQ(WidgetOf<QLineEdit>(view, &m.edtReg)->text(), "25CAN01234");
    ChooseRow(view, &m.EvTypeList, "Club - Regular Sanction");
    Click(view, &m.btnSave);
  });
  host.ShowModal(setup);
  EXPECT_EQ(t.info.SanctionNo.str(), "25CAN01234");

  // Slalom totals below 10 carry a leading blank; totals may pass 99.
  for (double total : {7.5, 111.0}) {
    t.Working.SlalomScore[1] = total;
    TfrmSlalRslt slalom(t, platform);
    host.Expect<TfrmSlalRslt>([total](TfrmSlalRslt& m, ModelDialog& view) {
      auto* field = WidgetOf<QLineEdit>(view, &m.edSlTotal);
      EXPECT_EQ(field->text().toStdString(), m.edSlTotal.text) << total;
      EXPECT_TRUE(field->hasAcceptableInput()) << m.edSlTotal.text;
      field->setFocus();
      field->end(false);
      QTest::keyClick(field, Qt::Key_Backspace);
      EXPECT_EQ(field->text().size(), static_cast<qsizetype>(m.edSlTotal.text.size()) - 1) << total;
    });
    host.ShowModal(slalom);
  }
}

TEST(EditPicture, AcceptsWhatTheProgramWroteInIt) {
  for (const char* shown : {" 7.5", "111", "29.998", "  0"})
    EXPECT_TRUE(PictureExpression("##.##", shown).match(shown).hasMatch()) << shown;
  EXPECT_FALSE(PictureExpression("##.##", "111").match("1111").hasMatch());
}

TEST(MessageBoxes, IconFollowsWhatIsSaid) {
  struct Case {
    const char* text;
    const char* title;
    Buttons buttons;
    QMessageBox::Icon icon;
  };
  for (const Case& c : std::vector<Case>{
           {"Deleting entry!", "Warning", Buttons::YesNo, QMessageBox::Warning},
           {"You have unsaved data! Save Now?", "Warning!", Buttons::YesNoCancel, QMessageBox::Warning},
           {"'x' is not a valid number", "Error", Buttons::Ok, QMessageBox::Critical},
           {"INI Read error", "Tallivar", Buttons::Ok, QMessageBox::Critical},
           {"Keep the current changes?", "Tallivar", Buttons::YesNo, QMessageBox::Question},
           {"5 errors encountered !", "Tallivar", Buttons::Ok, QMessageBox::Information},
           {"Nothing Selected!", "Tallivar", Buttons::Ok, QMessageBox::Information},
       })
    EXPECT_EQ(MessageIcon(c.text, c.title, c.buttons), c.icon) << c.text;
}

TEST(MessageBoxes, ADestructiveQuestionDefaultsToTheSafeAnswer) {
  QtPrompter prompter;
  Answer answer = Answer::Yes;
  QTimer::singleShot(0, [] {
    QMessageBox* box = QtPrompter::Current();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    box->defaultButton()->click();
  });
  answer = prompter.AskDestructive("Deleting entry!", "Warning", Buttons::YesNo);
  EXPECT_EQ(answer, Answer::No);
}

TEST(Menus, EveryMnemonicIsUniqueInItsMenu) {
  QStringList results = UniqueMnemonics({"&Input Results", "&View Results", "&Team Results",
                                         "Export to &Textfile", "Export to &CSV File", "&Print Results ..."});
  EXPECT_EQ(results[2], "&Team Results");
  EXPECT_EQ(results[3], "&Export to Textfile");
  EXPECT_EQ(UniqueMnemonics({"&Print...", "P&rint Setup...", "Preferences"})[2], "Pr&eferences");
  EXPECT_EQ(ExpandTabs("Div:M\t   Event:S"), "Div:M      Event:S");
}

TEST_F(DialogLayout, StatusBarFollowsTheSelectionWhileDialogsAreOpen) {
  ViewDialogHost host(tp.prompter);
  Platform platform{tp.prompter, tp.files, tp.printer, tp.clock, tp.random, host, tp.help, tp.fs};
  t.info.ClassDigit = '2';
  MainWindow window(t, platform);
  WireProgramDialogs(window.form(), t, platform);
  window.show();
  host.Expect<TfrmResultList>([](TfrmResultList& m, ModelDialog& view) { Click(view, &m.btnSettings); })
      .Expect<TfrmOptions>([&window](TfrmOptions& m, ModelDialog& view) {
        ChooseRadio(view, &m.rgEvent, "Tricks");
        ChooseRadio(view, &m.rgRound, "Round 2");
        // The result list and this dialog are still open.
        QString shown = window.PanelText(1);
        EXPECT_TRUE(shown.contains("Event:T")) << shown.toStdString();
        EXPECT_TRUE(shown.contains("Round:2")) << shown.toStdString();
        EXPECT_FALSE(shown.contains('\t'));
        auto panels = window.statusBar()->findChildren<QLabel*>();
        for (QLabel* panel : panels) {
          if (panel->text() == shown) {
            EXPECT_GE(panel->width(), panel->fontMetrics().horizontalAdvance(shown));
          }
        }
      });
  ASSERT_TRUE(window.Trigger("InputResults1"));
  EXPECT_TRUE(host.done());
}

TEST_F(DialogLayout, EachDialogComesBackWhereTheUserLeftIt) {
  TAboutBox about;
  QSize left;
  {
    ModelDialog view(about, tp.prompter);
    view.show();
    view.resize(view.minimumSizeHint() + QSize(120, 80));
    left = view.size();
    static_cast<QDialog&>(view).done(QDialog::Accepted);
  }
  ModelDialog again(about, tp.prompter);
  EXPECT_EQ(again.size(), left);
  TfrmHelp help(41);
  ModelDialog other(help, tp.prompter);
  EXPECT_NE(other.size(), left);  // another dialog keeps its own
}
