#pragma once
// The topic tables the help texts are kept in, one per side of the program.
#include <vector>

#include "help/help_topics.h"

const std::vector<HelpTopic>& SetupHelpTopics();
const std::vector<HelpTopic>& ScoringHelpTopics();
