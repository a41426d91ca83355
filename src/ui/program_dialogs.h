#pragma once
// Connects the main window's menu commands to the dialogs and exports of the program.
#include "core/tournament.h"
#include "ui/platform.h"
#include "ui/tform1.h"

void WireProgramDialogs(TForm1& form, Tournament& t, Platform& p);
