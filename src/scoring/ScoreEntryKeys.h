#pragma once

#include <string>
#include <string_view>

namespace velk {

// The three kinds of cell of the score entry form.
enum class EntryCell { Score, Contract, Result };

// What a typed character does in a cell.
enum class KeyVerdict {
    Type,         // goes into the cell (upper-cased in a result cell)
    MoveToResult, // a result character in a contract cell: it starts the result cell
    Refuse        // shows the refusal message, the cell keeps its text
};

// The character `c` typed into `cell`, which holds `cellText`.
KeyVerdict CheckEntryKey(EntryCell cell, char c, std::string_view cellText);

// The message of a refused character: code 3 of the score table in a score cell, code 3 of the
// contract table in a contract cell, code 11 of the contract table in a result cell, followed by
// the cell's text with the character.
std::string RefusedKeyMessage(EntryCell cell, std::string_view typedText);

} // namespace velk
