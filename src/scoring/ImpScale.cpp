#include "scoring/ImpScale.h"

namespace velk {

int ImpsForDifference(int difference) {
    const bool negative = difference < 0;
    const long magnitude = negative ? -static_cast<long>(difference) : difference;
    int imps = static_cast<int>(ImpScale.size());
    for (std::size_t i = 0; i < ImpScale.size(); ++i) {
        if (ImpScale[i] >= magnitude) {
            imps = static_cast<int>(i);
            break;
        }
    }
    return negative ? -imps : imps;
}

} // namespace velk
