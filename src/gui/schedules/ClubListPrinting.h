#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

// "&Afdrukken Clublijst": the pair list on the default printer in the printer font at 10 pt, the
// page layout of ClubListPages under `title`.
void PrintClubList(velk::Dialogs& dialogs, const velk::Club& club, const std::string& title);
