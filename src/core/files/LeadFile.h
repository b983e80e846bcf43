#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// The card led at one table on one board, as the phones entered it.
struct KeptLead {
    char group = 'A';   // the group letter
    int board = 0;      // the board's number as played, 1 ... 999
    int northSouth = 0; // the North-South pair's row in the group, 1 ... 999
    std::string card;   // "SA", "H10", "DK": suit S H D C, rank A K Q J 10 ... 2

    bool operator==(const KeptLead&) const = default;
};

// The card in the form above, from that form or the Dutch letters a phone may send (suits R for
// ruiten and K for klaveren, ranks H, V, B, and T for the ten); nothing for anything else.
std::optional<std::string> NormalLeadCard(std::string_view card);

// The lead at that table on that board; empty when none was entered.
std::string LeadAt(const std::vector<KeptLead>& leads, char group, int board, int northSouth);
// Sets the lead at the table of `lead` (an empty card removes it), keeping the leads in the order
// of group, board and pair, so the same leads always give the same file.
void SetLeadAt(std::vector<KeptLead>& leads, const KeptLead& lead);

// The text of a leads file: "velk-uitkomst 1", then a line "<group> <board> <pair> <card>" per
// table and board in the order above, each line closed by a line break.
std::string LeadFileText(const std::vector<KeptLead>& leads);
// The leads of such a text; nothing when any of it is not a leads file's (a cut-off line, a field
// of another shape, a table's board twice, lines out of order).
std::optional<std::vector<KeptLead>> ParseLeadFile(std::string_view text);

// The leads of a session's tables beside the competition: the score records have no room for them.
class LeadFile {
public:
    // "<folder>/<name>_uitkomst<session>.txt" for the competition file `competition`.
    static std::string PathFor(const std::string& competition, int session);

    explicit LeadFile(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    // The kept leads; a missing file keeps none. False with `problem` (Dutch) and no leads when
    // the file cannot be read or is not a leads file.
    bool read(std::vector<KeptLead>& leads, std::string& problem) const;
    // Writes through a temporary file; the previous file stays as the backup until the new one is
    // complete.
    bool save(const std::vector<KeptLead>& leads) const;

private:
    std::string path_;
};

} // namespace velk
