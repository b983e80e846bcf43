#include "core/records/WorkSchedule.h"

namespace velk {

int BoardGroupValue(std::uint8_t letter) {
    if (letter >= 'A' && letter <= 'Z')
        return letter - 'A' + 1;
    if (letter >= 'a' && letter <= 'z')
        return letter - 'a' + 1;
    if (letter >= '0' && letter <= '9')
        return letter - '0';
    return 0;
}

} // namespace velk
