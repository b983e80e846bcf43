#include "hands/BoardHandsView.h"

#include "hands/BoardHandsText.h"

namespace velk {

void BoardHandsView::load(const std::string& competitionPath, int session, DoubleDummySolver* solver) {
    hands_ = LoadSessionHands(competitionPath, session, solver);
    loaded_ = true;
}

std::vector<std::string> BoardHandsView::lines(int board) const {
    if (!hands_.hasBoards())
        return {hands_.problem};
    const HandBoard* found = hands_.record.find(board);
    if (!found)
        return {"Geen spelverdeling voor spel " + std::to_string(board)};
    std::vector<std::string> lines = BoardHandsLines(*found);
    if (hands_.status == SessionHandRecord::Status::NotAnalysed)
        lines.push_back(hands_.problem);
    return lines;
}

} // namespace velk
