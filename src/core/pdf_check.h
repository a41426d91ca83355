#pragma once
// A PDF made by a library that cannot say whether its file reached the disk is checked before it
// replaces anything: a full disk cuts it short or loses a block of it.
#include <string_view>

// Whether the bytes are a whole PDF: the header, the trailer's end mark, and the cross-reference
// table where the trailer says it starts (so a block lost in the middle is noticed too).
bool PdfIsComplete(std::string_view bytes);
