#pragma once
// The help text of the entry import: the line layout and what each field holds.
#include <string>
#include <vector>

const std::vector<std::string>& ImportHelpLines();
