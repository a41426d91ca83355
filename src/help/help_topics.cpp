#include "help/help_topics.h"

#include "help/help_texts.h"

namespace {

const HelpTopic kGeneral{0, "Tallivar Help",
                         "There is no page for this topic yet.\n"
                         "Choose Help > User Guide in the main window for an overview of the program."};

const HelpTopic* Find(int number) {
  for (const auto* table : {&SetupHelpTopics(), &ScoringHelpTopics()})
    for (const auto& topic : *table)
      if (topic.number == number) return &topic;
  return nullptr;
}

}  // namespace

const std::vector<HelpTopic>& HelpTopics() {
  static const std::vector<HelpTopic> all = [] {
    std::vector<HelpTopic> v = SetupHelpTopics();
    v.insert(v.end(), ScoringHelpTopics().begin(), ScoringHelpTopics().end());
    return v;
  }();
  return all;
}

bool HasHelpTopic(int number) { return Find(number) != nullptr; }

std::vector<std::string> HelpTopicLines(int number) {
  const HelpTopic* topic = Find(number);
  if (!topic) topic = &kGeneral;
  std::vector<std::string> lines{topic->title, ""};
  std::string text = topic->text;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}
