#include "reports/SessionResultsReport.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/records/PairRecord.h"
#include "reports/PageHeader.h"
#include "reports/ReportFields.h"
#include "reports/ResultListHeader.h"

#include <algorithm>

namespace velk {

namespace {

inline constexpr const char* kRanksMissing =
    "Procenten en Rang van paren zijn niet berekend; Ga naar Zitting|Openen";

struct ListShape {
    bool points = true;  // kinds 1, 2; else percentages
    bool byRank = false; // kinds 2, 4
    bool topIntegral = false;
    bool twoLines = false;
    int decimals = 0;
    int firstSession = 1;
    int lastSession = 1;
};

const TCalcObj* RowOf(const Club& club, int session, int position) {
    if (session < 1 || session > club.SessionCount())
        return nullptr;
    const auto& rows = club.SessionList[static_cast<std::size_t>(session - 1)].Rows;
    return position >= 0 && position < static_cast<int>(rows.size())
               ? &rows[static_cast<std::size_t>(position)]
               : nullptr;
}

int GroupOfPosition(const Club& club, int position) {
    return club.PairsPerGroup > 0 ? (position - 1) / club.PairsPerGroup + 1 : 1;
}

// The group's pairs have a result in one of the listed sessions.
bool HasResults(const Club& club, const ListShape& shape, const std::vector<int>& positions) {
    for (int s = shape.firstSession; s <= shape.lastSession; ++s) {
        for (const int p : positions) {
            const TCalcObj* row = RowOf(club, s, p);
            if (!row)
                continue;
            if (shape.points ? row->Points != 0 : (row->Percentage != 0 || row->Correction != 0))
                return true;
        }
    }
    return false;
}

// The pairs by rank: the key is the session rank for one session, else the cumulative rank of
// the last session. Pairs sharing a rank follow one another in number order, however many share
// it; pairs without a rank close the list. Empty when no pair has a rank at all.
std::vector<int> RankOrder(const Club& club, const ListShape& shape, const std::vector<int>& positions) {
    const bool one = shape.firstSession == shape.lastSession;
    auto key = [&](int p) {
        const TCalcObj* row = RowOf(club, shape.lastSession, p);
        const int k = row ? (one ? row->SessionRank : row->CompetitionRank) : 0;
        return k >= 1 ? k : 1 << 20;
    };
    std::vector<int> order = positions;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    if (order.empty() || key(order.front()) == 1 << 20)
        return {};
    return order;
}

struct Marks {
    int promotions = 0;
    int degradations = 0;
};

class SessionList {
public:
    SessionList(ReportContext& context, ReportSink& sink) : c_(context), club_(context.club), sink_(sink) {
        const GroupSelection& sel = c_.groups;
        shape_.points = c_.kind == ReportKind::PointsByNumber || c_.kind == ReportKind::PointsByRank;
        shape_.byRank = c_.kind == ReportKind::PointsByRank || c_.kind == ReportKind::PercentagesByRank;
        shape_.topIntegral = club_.CompetitionHead.CalcMethod == CalcTopIntegral;
        shape_.decimals = club_.CompetitionHead.NeubergMode == NeubergOff ? 0 : 1;
        shape_.firstSession = std::max<int>(1, sel.SelFirstSession);
        shape_.lastSession = std::max<int>(shape_.firstSession, sel.SelLastSession);
        if (const TZitCalcObj* last = session(shape_.lastSession))
            shape_.twoLines = last->TwoLines != 0;
        columns_.kind = c_.kind;
        columns_.competitionNumber = club_.CompetitionNumber;
        for (int s = shape_.firstSession; s <= shape_.lastSession; ++s) {
            columns_.numbers.push_back(s);
            const TZitCalcObj* z = session(s);
            columns_.dates.push_back(z ? z->SessionDate.get() : std::string());
        }
    }

    void write() {
        const GroupSelection& sel = c_.groups;
        std::vector<int> groups;
        if (shape_.topIntegral)
            groups.push_back(0);
        else
            for (int g = sel.SelFirstGroup; g <= sel.SelLastGroup; ++g)
                groups.push_back(g);
        // Which groups are listed is known before the head is written, so that the head shows the
        // first group that is.
        std::vector<int> listed;
        for (const int g : groups) {
            if (g != 0 && (g < 1 || g > club_.CompetitionHead.GroupCount)) {
                listed.push_back(g);
                continue;
            }
            if (HasResults(club_, shape_, positionsOf(g)))
                listed.push_back(g);
            else
                ShowError(c_.dialogs, club_.ErrorCode, std::string(1, letterOf(g)),
                          shape_.points ? ErrorMessage::NoPointsEntered
                                        : ErrorMessage::NoPercentagesComputed);
        }
        const char firstLetter =
            listed.empty() ? letterOf(groups.empty() ? 1 : groups.front()) : letterOf(listed.front());
        sink_.beginBlock();
        const int clubLength = WriteClubAndTitle(sink_, c_.heading, ReportTitle(c_.kind), c_.dialogs);
        (void)clubLength;
        WriteHeaderColumns(sink_, c_.style, c_.width, c_.heading.printHead, columns_, firstLetter);
        bool first = true;
        bool warned = false;
        for (const int g : listed) {
            if (!first) {
                sink_.beginBlock();
                WriteGroupHead(sink_, c_.style, c_.width, columns_, letterOf(g));
            }
            first = false;
            if (g != 0 && (g < 1 || g > club_.CompetitionHead.GroupCount)) {
                sink_.emptyLine();
                sink_.line("  Groep : " + std::to_string(g) + " bestaat niet !");
                sink_.endBlock();
                continue;
            }
            if (!writeGroup(g, warned))
                return;
        }
        if (listed.empty())
            sink_.endBlock();
    }

private:
    const TZitCalcObj* session(int s) const {
        return s >= 1 && s <= club_.SessionCount() ? &club_.SessionList[static_cast<std::size_t>(s - 1)]
                                                   : nullptr;
    }
    char letterOf(int g) const { return g == 0 ? '*' : GroupLetter(std::clamp(g, 0, 27)); }

    std::vector<int> positionsOf(int g) const {
        const int pairs = static_cast<int>(club_.PairList.size()) - 1;
        const int first = g == 0 ? 1 : (g - 1) * club_.PairsPerGroup + 1;
        const int last = g == 0 ? pairs : std::min(pairs, g * club_.PairsPerGroup);
        std::vector<int> positions;
        for (int p = first; p <= last; ++p)
            positions.push_back(p);
        return positions;
    }

    int promotionsOf(int g) const {
        return g >= 1 && g <= 16 ? club_.ConfigRecord.PromotionsUp[static_cast<std::size_t>(g - 1)] : 0;
    }
    int degradationsOf(int g) const {
        return g >= 1 && g <= 16 ? club_.ConfigRecord.Degradations[static_cast<std::size_t>(g - 1)] : 0;
    }
    int pairsInGroup(int g) const {
        const TZitCalcObj* last = session(shape_.lastSession);
        const int playing = last && g >= 1 && g <= 16 ? last->GroupPairs[static_cast<std::size_t>(g - 1)] : 0;
        return playing > 0 ? playing : club_.PairsPerGroup;
    }

    // False when the list ends here (ranks never computed).
    bool writeGroup(int g, bool& warned) {
        std::vector<int> order = positionsOf(g);
        if (shape_.byRank) {
            order = RankOrder(club_, shape_, order);
            if (order.empty()) {
                c_.dialogs.information(kRanksMissing);
                sink_.endBlock();
                return false;
            }
        }
        std::vector<Marks> marks(18);
        int row = 0;
        for (const int p : order)
            sink_.line(pairLine(p, ++row, marks));
        sink_.emptyLine();
        sink_.endBlock();
        if (!warned && club_.CompetitionNumber > 0) {
            for (int group = 1; group <= 16; ++group) {
                const std::string letter(1, GroupLetter(group));
                std::string text;
                if (marks[static_cast<std::size_t>(group)].promotions > promotionsOf(group))
                    text += "Teveel promoties Groep: " + letter + ", maak een keuze ";
                if (marks[static_cast<std::size_t>(group)].degradations > degradationsOf(group))
                    text += (text.empty() ? "" : "\r") + std::string("Teveel degradaties Groep: ") + letter +
                            ", maak een keuze ";
                if (!text.empty()) {
                    c_.warnings += (c_.warnings.empty() ? "" : "\r") + text;
                    warned = true;
                    break;
                }
            }
        }
        return true;
    }

    std::string pairLine(int p, int row, std::vector<Marks>& marks) const {
        const TParenObj& pair = club_.PairList[static_cast<std::size_t>(p)];
        const int group = GroupOfPosition(club_, p);
        std::string line;
        if (shape_.topIntegral)
            line += std::string(" ") + GroupLetter(std::clamp(group, 0, 27));
        line += IntField(pair.GrpNr, 3) + "  " + TextField(pair.Naam.get(), 33);
        double total = 0;
        for (int s = shape_.firstSession; s <= shape_.lastSession; ++s) {
            const TCalcObj* r = RowOf(club_, s, p);
            const TCalcObj empty;
            const TCalcObj& result = r ? *r : empty;
            if (shape_.points) {
                total += result.Points;
                line += FixedField(result.Points, 5, shape_.decimals) + " " +
                        IntField(result.Substitutes, 3) + "   ";
            } else {
                line += FixedField(double(result.Percentage) + double(result.Correction), 7, 2) +
                        IntField(result.SessionRank, 3) + "  ";
            }
        }
        const TCalcObj* last = RowOf(club_, shape_.lastSession, p);
        const int rank = last ? last->CompetitionRank : 0;
        if (shape_.points)
            line += FixedField(total, 6, shape_.decimals);
        else
            line += FixedField(last ? last->CompetitionTotal : 0.0f, 8, 2);
        line += IntField(rank, shape_.twoLines && row % 2 == 0 ? 5 : 3);
        if (club_.CompetitionNumber > 0) {
            if (rank >= 1 && rank <= promotionsOf(group)) {
                line += " p ";
                ++marks[static_cast<std::size_t>(std::clamp(group, 0, 17))].promotions;
            } else if (pairsInGroup(group) - rank < degradationsOf(group)) {
                line += " d ";
                ++marks[static_cast<std::size_t>(std::clamp(group, 0, 17))].degradations;
            }
        }
        return line;
    }

    ReportContext& c_;
    Club& club_;
    ReportSink& sink_;
    ListShape shape_;
    HeaderColumns columns_;
};

} // namespace

int SessionListWidth(const Club& club, int sessions) {
    const int width = 52 + 12 * sessions + (club.CompetitionNumber > 0 ? 3 : 0);
    return std::max(width, MinimumReportWidth(club.ConfigRecord.Head.CompetitionName.get()));
}

void WriteSessionResults(ReportContext& context, ReportSink& sink) {
    const int sessions = std::max(1, context.groups.SelLastSession - context.groups.SelFirstSession + 1);
    context.width = SessionListWidth(context.club, sessions);
    SessionList(context, sink).write();
}

} // namespace velk
