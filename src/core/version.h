#pragma once
// The program's version as the about box, the reports and the command line show it.
inline constexpr const char* kProgramVersion = "2022.1.1";
