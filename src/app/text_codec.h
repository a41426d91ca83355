#pragma once
// The program's text is single-byte Windows-1252, as in its files; Qt speaks UTF-16. These two
// functions are the only place the two meet.
#include <QString>
#include <string>
#include <string_view>

QString ToQt(std::string_view bytes);
// Characters Windows-1252 cannot hold become "?".
std::string FromQt(const QString& text);
