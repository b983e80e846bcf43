#include "gui/scoring/TScoreFormE.h"

#include <QPushButton>

TScoreFormE::TScoreFormE(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : TScoreForm(club, dialogs, parent) {
    setObjectName(QStringLiteral("ScoreFormE"));
    setWindowTitle(QStringLiteral("Invoeren van scores"));
    // The same buttons under the individual form's own names; no contracts, no round buttons.
    static const char* const names[][2] = {
        {"SluitScoresBtn", "SluitBtn4"},  {"SchrapBtn", "SchrapBrn4"},      {"WijzigOWBtn", "WijzigBtn4"},
        {"NormaalOWBtn", "WijzigBtn5"},   {"DraaiBtn", "DraaiBtn4"},        {"SpelUpBtn", "SpelUpBtn4"},
        {"SpelDwnBtn", "SpelDwnBtn4"},    {"SaveGrpScoresBtn", "SaveBtn4"}, {"SchoonrBtn", "SchoonBtn"},
        {"GroepplusBtn", "GroepPlusBtn"}, {"GroepMinBtn", "GroepminBtn"},
    };
    for (const auto& [from, to] : names)
        if (auto* b = findChild<QPushButton*>(QString::fromLatin1(from)))
            b->setObjectName(QString::fromLatin1(to));
}
