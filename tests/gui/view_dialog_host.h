#pragma once
// Shows nested dialogs through the real dialog view, and lets the test work its widgets the way a
// person would (typing, clicking) before the dialog goes away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <deque>
#include <functional>
#include <typeinfo>
#include <vector>

#include "app/model_dialog.h"
#include "ui/dialog_host.h"
#include "ui/run_handler.h"

class ViewDialogHost : public DialogHost {
 public:
  explicit ViewDialogHost(Prompter& prompt) : prompt_(prompt) {}
  std::vector<std::string> shownCaptions;
  std::function<void()> afterHandler;  // given to each view, as the program's dialog host does

  template <typename M>
  ViewDialogHost& Expect(std::function<void(M&, ModelDialog&)> act) {
    script_.push_back([act](DialogModel& d, ModelDialog& view) {
      auto* m = dynamic_cast<M*>(&d);
      if (!m) {
        ADD_FAILURE() << "expected dialog " << typeid(M).name() << ", got \"" << d.caption() << "\"";
        return;
      }
      act(*m, view);
    });
    return *this;
  }
  bool done() const { return script_.empty(); }

  void ShowModal(DialogModel& model) override {
    shownCaptions.push_back(model.caption());
    model.ResetClose();
    if (!RunHandler(prompt_, [&model] { model.FormShow(); })) return;
    if (model.closeRequested()) return;
    ModelDialog view(model, prompt_);
    view.afterHandler = afterHandler;
    view.show();
    QApplication::processEvents();
    if (script_.empty()) {
      ADD_FAILURE() << "unexpected dialog \"" << model.caption() << "\"";
      return;
    }
    auto act = std::move(script_.front());
    script_.pop_front();
    act(model, view);
  }

 private:
  Prompter& prompt_;
  std::deque<std::function<void(DialogModel&, ModelDialog&)>> script_;
};

// Widget helpers: find the widget that shows a control and use it.
template <typename W>
W* WidgetOf(ModelDialog& view, const void* control) {
  W* w = qobject_cast<W*>(view.WidgetFor(control));
  EXPECT_NE(w, nullptr);
  return w;
}

inline void TypeText(ModelDialog& view, const void* edit, const QString& text) {
  auto* e = WidgetOf<QLineEdit>(view, edit);
  e->setFocus();
  e->selectAll();
  QTest::keyClicks(e, text);
}

inline void Click(ModelDialog& view, const void* button) { WidgetOf<QPushButton>(view, button)->click(); }

inline void ChooseRow(ModelDialog& view, const void* list, const QString& text) {
  auto* w = WidgetOf<QListWidget>(view, list);
  auto found = w->findItems(text, Qt::MatchExactly);
  ASSERT_FALSE(found.isEmpty()) << text.toStdString();
  QListWidgetItem* item = found.first();
  w->scrollToItem(item);
  QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, w->visualItemRect(item).center());
}

inline void ChooseRadio(ModelDialog& view, const void* group, const QString& text) {
  for (auto* b : view.WidgetFor(group)->findChildren<QRadioButton*>())
    if (b->text() == text && b->isVisible()) {
      b->click();
      return;
    }
  ADD_FAILURE() << "no radio button " << text.toStdString();
}

inline void TypeInCell(ModelDialog& view, const void* grid, int row, int col, const QString& keys) {
  auto* table = WidgetOf<QTableWidget>(view, grid);
  table->setFocus();
  table->setCurrentCell(row, col);
  QTest::keyClicks(table, keys);
}
