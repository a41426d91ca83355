#pragma once
// Shows a dialog model modally and returns when it has closed.
class DialogModel;

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  virtual void ShowModal(DialogModel& model) = 0;
};
