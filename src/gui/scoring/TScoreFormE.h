#pragma once

#include "gui/scoring/TScoreForm.h"

// The score entry window of an individual ("Enkel") competition: scores only, one row per table
// with both sides, over the ScoreEntryE model. It takes the place of TScoreForm in that mode.
class TScoreFormE : public TScoreForm {
    Q_OBJECT
public:
    TScoreFormE(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);
};
