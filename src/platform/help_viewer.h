#pragma once
// The help window on one topic number.
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void ShowTopic(int topic) = 0;
};
