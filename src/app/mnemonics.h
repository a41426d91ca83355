#pragma once
// Menu captions with a mnemonic each, no two alike in one menu, so that Alt and a letter always
// reach one command. A caption keeps the letter it was given unless an earlier one took it.
#include <QStringList>

QStringList UniqueMnemonics(const QStringList& captions);

// A status text as a label shows it: tabs become the blanks up to the next stop of eight.
QString ExpandTabs(const QString& text);
