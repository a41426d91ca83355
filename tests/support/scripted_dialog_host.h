#pragma once
// Shows nested dialog models by running the test's scripted actions on them, in order.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "ui/dialog_host.h"
#include "ui/dialog_model.h"

class ScriptedDialogHost : public DialogHost {
 public:
  std::vector<std::string> shownCaptions;
  std::deque<std::function<void(DialogModel&)>> script;

  // Expects the next dialog to be of type M and runs `act` on it (after FormShow).
  template <typename M>
  ScriptedDialogHost& Expect(std::function<void(M&)> act = {}) {
    script.push_back([act](DialogModel& d) {
      auto* m = dynamic_cast<M*>(&d);
      if (!m) {
        ADD_FAILURE() << "expected dialog " << typeid(M).name() << ", got \"" << d.caption() << "\"";
        return;
      }
      if (act) act(*m);
    });
    return *this;
  }

  void ShowModal(DialogModel& model) override {
    shownCaptions.push_back(model.caption());
    model.ResetClose();
    model.FormShow();
    if (script.empty()) {
      ADD_FAILURE() << "unexpected dialog \"" << model.caption() << "\"";
      return;
    }
    auto act = std::move(script.front());
    script.pop_front();
    act(model);
  }
};
