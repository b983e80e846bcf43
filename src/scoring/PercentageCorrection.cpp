#include "scoring/PercentageCorrection.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/NumberHelpers.h"
#include "scoring/SessionResults.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velk {

namespace {
// A percentage in hundredths as the window writes it, with two decimals.
long long ShownHundredths(double percentage) {
    const std::string shown = FixedText(percentage, 2, kListDecimalSeparator);
    const std::size_t point = shown.find('.');
    const long long whole = std::stoll(shown.substr(0, point));
    const long long hundredths = std::stoll(shown.substr(point + 1));
    return shown.front() == '-' ? whole * 100 - hundredths : whole * 100 + hundredths;
}
} // namespace

PercentageCorrection::PercentageCorrection(Club& club, Dialogs& dialogs)
    : club_(club), dialogs_(dialogs), draft_(club) {}

bool PercentageCorrection::open() {
    if (!draft_.open()) {
        ShowError(dialogs_, club_.ErrorCode, "", ErrorMessage::NoSessionOpen);
        return false;
    }
    return true;
}

std::string PercentageCorrection::caption() const {
    return "Corrigeren van procentwaarden (Z = " + std::to_string(club_.CurrentSession) + ")";
}

std::string PercentageCorrection::cellText(int row, int column) const {
    if (!draft_.validRow(row))
        return {};
    const TCalcObj& r = draft_.row(row);
    switch (column) {
    case PercentageColumn:
        return FixedText(r.Percentage, 2, kListDecimalSeparator);
    case CorrectionColumn:
        return FixedText(r.Correction, 2, kListDecimalSeparator);
    case TotalColumn:
        return FixedText(static_cast<double>(r.Percentage) + r.Correction, 2, kListDecimalSeparator);
    default:
        return draft_.pairCellText(row, column);
    }
}

bool PercentageCorrection::readRow(int row, const std::string& correctionText) {
    if (!draft_.validRow(row))
        return false;
    ErrorCode error;
    const double correction = ReadNumber(correctionText, 2, false, dialogs_, error, kListDecimalSeparator);
    if (!error.ok())
        return false;
    TCalcObj& r = draft_.row(row);
    // The bounds hold for what the window shows: a stored 78.1249 stands there as 78.12 and takes
    // 21.88. Counted in hundredths, so that no binary fraction tips the sum over 100.
    const long long total = ShownHundredths(r.Percentage) + std::llround(correction * 100);
    if (total < 0 || total > 100 * 100) {
        dialogs_.warning("Waarde niet in bereik van 0.0 tot 100.0");
        return false;
    }
    r.Correction = static_cast<float>(correction);
    return true;
}

PercentageCorrection::Totals PercentageCorrection::compute() {
    // Topintegraal ranks the whole list at once; each group otherwise.
    const int groups = (club_.CompetitionHead.CalcMethod & 1) ? 1 : draft_.groupCount();
    for (int g = 1; g <= groups; ++g)
        ComputeRanks(club_, club_.CurrentSession, g);
    Totals totals;
    for (int i = draft_.firstRow(); i < draft_.firstRow() + draft_.shownRows(); ++i) {
        totals.percentages += draft_.row(i).Percentage;
        totals.corrections += draft_.row(i).Correction;
    }
    return totals;
}

bool PercentageCorrection::ok(const OkOptions& options) {
    compute();
    if (!draft_.lastOfCompetition() && !draft_.totalsChanged())
        return false;
    const auto save = [&] {
        // The rows carry their pair's number into the file.
        for (int i = 1; i <= club_.CompetitionHead.PairCount; ++i)
            draft_.row(i).ClubNr = draft_.pair(i).ClubNr;
        return options.save && options.save();
    };
    const bool saved = options.askSave ? draft_.askSave(dialogs_, save) : save();
    if (saved)
        draft_.takeCopy();
    return saved;
}

bool PercentageCorrection::keepOpenOnClose() {
    return ResultsDraft::keepOpenOnClose(dialogs_);
}

} // namespace velk
