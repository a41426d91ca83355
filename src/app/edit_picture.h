#pragma once
// An edit's picture such as "##.##" (a digit per "#", the dot in its place) as the expression a
// validator checks while the user types: up to that many digits before and after the dot, after
// leading blanks. A text the program itself wrote widens the picture so that it fits ("111" or
// "29.998" in a "##.##" field), so the field never refuses to edit what it shows.
#include <QRegularExpression>
#include <string_view>

QRegularExpression PictureExpression(std::string_view picture, std::string_view shown = {});
