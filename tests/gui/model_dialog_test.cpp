// The one dialog view over a small model: what it shows and which handler each action runs.
#include "app/model_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <string>
#include <vector>

#include "core/errors.h"
#include "support/scripted_prompter.h"

namespace {

// Choices: a radio group and a check box, each telling the model when clicked.
class ChoiceModel : public DialogModel {
 public:
  ChoiceModel() : DialogModel("Choices") { rounds.items = {"1", "2", "3"}; }
  void Describe(FormLayout& form) override {
    form.AddRadio("Rounds", rounds, [this] { picked.push_back(rounds.itemIndex); });
    form.AddCheck("Paid", paid, [this] { picked.push_back(paid.checked ? 100 : -100); });
  }
  RadioGroup rounds;
  CheckBox paid;
  std::vector<int> picked;
};

class SampleModel : public DialogModel {
 public:
  SampleModel() : DialogModel("Sample") {
    grid.Resize(3, 4);
    grid.fixedRows = 1;
    grid.fixedCols = 1;
    grid.Cell(1, 0) = "Name";
    grid.row = 1;
    grid.col = 1;
    names.items = {"ONE", "TWO"};
  }
  void Describe(FormLayout& form) override {
    form.AddEdit("Pass:", pass, [this] { log.push_back("exit " + pass.text); });
    form.AddList("Names:", names, [this] { log.push_back("pick " + std::to_string(names.itemIndex)); });
    form.AddGrid(
        "", grid, [this](int key) { Key(key); },
        [this] { log.push_back("cell " + std::to_string(grid.col) + "," + std::to_string(grid.row)); });
    form.NewColumn();
    form.AddMemo("", notes, 20, 3);
    form.AddButton(
        ok, [this] { Ok(); }, true);
    form.AddButton(
        cancel,
        [this] {
          log.push_back("cancel");
          Close();
        },
        false, true);
  }
  bool FormCloseQuery() override {
    log.push_back("query");
    return allowClose;
  }
  void Key(int key) {
    log.push_back("key " + std::to_string(key));
    std::string& cell = grid.Cell(grid.col, grid.row);
    if (key == keys::Backspace) {
      if (!cell.empty()) cell.pop_back();
    } else if (key >= ' ') {
      cell.push_back(static_cast<char>(key));
    }
  }
  void Ok() {
    log.push_back("ok " + pass.text);
    if (pass.text == "x") throw ConversionError("'x' is not a valid number");
    pass.red = true;
    notes.lines = {"first", "second"};
    Close();
  }

  Edit pass{4, "#.##"};
  ListBox names;
  StringGrid grid;
  Memo notes;
  Button ok{"OK"}, cancel{"Cancel"};
  bool allowClose = true;
  std::vector<std::string> log;
};

struct ModelDialogTest : ::testing::Test {
  SampleModel model;
  ScriptedPrompter prompter;
  ModelDialog view{model, prompter};

  ModelDialogTest() {
    view.show();
    QApplication::setActiveWindow(&view);
    QApplication::processEvents();
  }
  template <typename W>
  W* Widget(const void* control) {
    return dynamic_cast<W*>(view.WidgetFor(control));
  }
};

}  // namespace

TEST_F(ModelDialogTest, ShowsTheModelsControls) {
  EXPECT_EQ(view.windowTitle(), "Sample");
  auto* list = Widget<QListWidget>(&model.names);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), "TWO");
  auto* grid = Widget<QTableWidget>(&model.grid);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->rowCount(), 4);
  EXPECT_EQ(grid->columnCount(), 3);
  EXPECT_EQ(grid->item(0, 1)->text(), "Name");
  EXPECT_EQ(Widget<QLineEdit>(&model.pass)->maxLength(), 4);
  EXPECT_TRUE(Widget<QPushButton>(&model.ok)->isDefault());
}

TEST_F(ModelDialogTest, LeavingAnEditRunsItsExitBeforeTheButton) {
  auto* edit = Widget<QLineEdit>(&model.pass);
  edit->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(edit, "2.5");
  QTest::mouseClick(Widget<QPushButton>(&model.ok), Qt::LeftButton);
  ASSERT_GE(model.log.size(), 2u);
  EXPECT_EQ(model.log[0], "exit 2.5");
  EXPECT_EQ(model.log[1], "ok 2.5");
  // After the handler every widget shows the model again, and the model's Close ends the dialog.
  EXPECT_EQ(Widget<QPlainTextEdit>(&model.notes)->toPlainText(), "first\nsecond");
  EXPECT_EQ(Widget<QLineEdit>(&model.pass)->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_FALSE(view.isVisible());
}

TEST_F(ModelDialogTest, EnterInAnEditRunsItsExitAndTheDefaultButton) {
  auto* edit = Widget<QLineEdit>(&model.pass);
  edit->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(edit, "1");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(model.log, (std::vector<std::string>{"exit 1", "ok 1"}));
}

TEST_F(ModelDialogTest, TheEditPictureLimitsWhatCanBeTyped) {
  auto* edit = Widget<QLineEdit>(&model.pass);
  edit->setFocus();
  QTest::keyClicks(edit, "12.5");
  EXPECT_EQ(edit->text(), "1.5");  // one digit before the dot: the "2" is refused
}

TEST_F(ModelDialogTest, AHandlerErrorIsShownAndTheDialogStaysOpen) {
  model.pass.text = "x";
  view.Refresh();
  view.Run([this] { model.Ok(); });
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "'x' is not a valid number");
  EXPECT_TRUE(view.isVisible());
}

TEST_F(ModelDialogTest, GridKeysGoToTheModelAndArrowsMoveTheCell) {
  auto* grid = Widget<QTableWidget>(&model.grid);
  grid->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(grid, "ab");
  QTest::keyClick(grid, Qt::Key_Backspace);
  EXPECT_EQ(grid->item(1, 1)->text(), "a");
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(model.grid.row, 2);
  EXPECT_EQ(grid->currentRow(), 2);
  QTest::keyClick(grid, Qt::Key_Tab);
  QTest::keyClick(grid, Qt::Key_Tab);  // past the last column: the next row's first cell
  QTest::keyClick(grid, Qt::Key_Up);
  QTest::keyClick(grid, Qt::Key_Up);  // the title row cannot be entered
  QTest::keyClick(grid, Qt::Key_Return);
  // The edit had the focus first, so going to the grid was an exit from it.
  EXPECT_EQ(model.log, (std::vector<std::string>{"exit ", "key 97", "key 98", "key 8", "cell 1,2", "cell 2,2",
                                                 "cell 1,3", "cell 1,2", "cell 1,1", "key 13"}));
  EXPECT_TRUE(view.isVisible());  // Enter went to the grid, not to the default button
}

TEST_F(ModelDialogTest, ChoosingAListItemRunsItsHandler) {
  auto* list = Widget<QListWidget>(&model.names);
  list->setCurrentRow(1);
  EXPECT_EQ(model.names.itemIndex, 1);
  EXPECT_EQ(model.log, (std::vector<std::string>{"pick 1"}));
}

TEST_F(ModelDialogTest, EscapePressesTheCancelButton) {
  QTest::keyClick(&view, Qt::Key_Escape);
  EXPECT_EQ(model.log, (std::vector<std::string>{"cancel"}));
  EXPECT_FALSE(view.isVisible());
}

TEST_F(ModelDialogTest, TheTitleBarAsksTheModelWhetherItMayClose) {
  model.allowClose = false;
  view.close();
  EXPECT_TRUE(view.isVisible());
  model.allowClose = true;
  view.close();
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(model.log, (std::vector<std::string>{"query", "query"}));
}

TEST(ModelDialogChoices, RadioAndCheckBoxReportTheirStateToTheModel) {
  ChoiceModel model;
  ScriptedPrompter prompter;
  ModelDialog view(model, prompter);
  view.show();
  QApplication::setActiveWindow(&view);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  auto* group = view.WidgetFor(&model.rounds);
  ASSERT_NE(group, nullptr);
  auto buttons = group->findChildren<QRadioButton*>();
  ASSERT_EQ(buttons.size(), 3);
  // A click lands on the indicator; the widgets are wider than their text.
  QTest::mouseClick(buttons[2], Qt::LeftButton, {}, QPoint(6, buttons[2]->height() / 2));
  EXPECT_EQ(model.rounds.itemIndex, 2);
  auto* paid = dynamic_cast<QCheckBox*>(view.WidgetFor(&model.paid));
  ASSERT_NE(paid, nullptr);
  QTest::mouseClick(paid, Qt::LeftButton, {}, QPoint(6, paid->height() / 2));
  EXPECT_EQ(model.picked, (std::vector<int>{2, 100}));
  // The model's choice is shown after the next action.
  model.rounds.itemIndex = 0;
  model.paid.checked = false;
  view.Refresh();
  EXPECT_TRUE(buttons[0]->isChecked());
  EXPECT_FALSE(paid->isChecked());
}

namespace {

// A list whose choice rebuilds the list itself, as a division picker refilling its skiers does.
class RefillModel : public DialogModel {
 public:
  RefillModel() : DialogModel("Refill") { list.items = {"A", "B"}; }
  void Describe(FormLayout& form) override {
    form.AddList("", list, [this] {
      list.items = {"C", "D", "E"};
      list.itemIndex = 2;
    });
    form.AddRadio("", group, [this] { group.items = {"x", "y", "z"}; });
  }
  ListBox list;
  RadioGroup group;
};

}  // namespace

TEST(ModelDialogRefill, AHandlerMayReplaceTheItemsOfTheWidgetThatCalledIt) {
  RefillModel model;
  model.group.items = {"p", "q"};
  ScriptedPrompter prompter;
  ModelDialog view(model, prompter);
  view.show();
  auto* list = dynamic_cast<QListWidget*>(view.WidgetFor(&model.list));
  ASSERT_NE(list, nullptr);
  list->setCurrentRow(1);
  QApplication::processEvents();
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(2)->text(), "E");
  EXPECT_EQ(list->currentRow(), 2);
  auto buttons = view.WidgetFor(&model.group)->findChildren<QRadioButton*>();
  ASSERT_EQ(buttons.size(), 2);
  buttons[1]->click();
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(view.WidgetFor(&model.group)->findChildren<QRadioButton*>().size(), 3);
}

namespace {

class TickModel : public DialogModel {
 public:
  TickModel() : DialogModel("Ticks") {
    finals.Add("A", false);
    finals.Add("B", true);
  }
  void Describe(FormLayout& form) override { form.AddCheckList("", finals); }
  CheckListBox finals;
};

}  // namespace

TEST(ModelDialogChoices, EveryItemOfACheckListShowsABoxTickedOrNot) {
  TickModel model;
  ScriptedPrompter prompter;
  ModelDialog view(model, prompter);
  auto* list = dynamic_cast<QListWidget*>(view.WidgetFor(&model.finals));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 2);
  // An item without a check state draws no box, so a scorer could not tick it.
  EXPECT_EQ(list->item(0)->data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
  EXPECT_TRUE(list->item(0)->data(Qt::CheckStateRole).isValid());
  EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
}
