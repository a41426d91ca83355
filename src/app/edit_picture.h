#pragma once
// An edit's picture such as "##.##" (a digit per "#", the dot in its place) as the expression a
// validator checks while the user types: up to that many digits before and after the dot.
#include <QRegularExpression>
#include <string_view>

QRegularExpression PictureExpression(std::string_view picture);
