#pragma once
#include <vector>

#include "platform/help_viewer.h"

class RecordingHelp : public HelpViewer {
 public:
  std::vector<int> topics;
  void ShowTopic(int topic) override { topics.push_back(topic); }
};
