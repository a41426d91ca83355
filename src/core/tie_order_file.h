#pragma once
// The tie order file ("<event>.ties"): the lots drawn for tied finalists, as plain text beside the
// event's other files. It is new to the family, so no earlier version or federation reads it:
//   Tallivar tie order 1
//   [W J 2]
//   SMITH<TAB>Anna
// one section per division code, event and round, then one skier a line in the order drawn. Bytes
// below 32, "\" and "[" in a name are written as \xHH.
#include <string>
#include <string_view>

#include "core/tie_order.h"
#include "platform/file_system.h"

std::string TieOrderPath(const std::string& eventBase);

std::string TieOrderText(const TieOrders& ties);
// Answers false with `why` (naming the line) when the text is not a tie order file.
bool ParseTieOrderText(std::string_view text, TieOrders& out, std::string& why);

// A missing file is no draw yet. A damaged one is no draw either, and `notice` then tells the scorer
// that the ties are drawn again. A file that is there but cannot be read throws IoError.
TieOrders ReadTieOrderFile(FileSystem& fs, const std::string& path, std::string& notice);
// Replaces the file safely (a damaged one is first kept aside); with nothing drawn, the file is
// removed so an old draw cannot come back. Throws IoError.
void WriteTieOrderFile(FileSystem& fs, const std::string& path, const TieOrders& ties);
