#pragma once

#include "core/records/SessionRecord.h"

namespace velk {

// The number of the session's first board: an unset 0 means board 1.
inline int FirstBoardOf(const TZitCalcObj& session) {
    return session.FirstBoardNumber < 1 ? 1 : session.FirstBoardNumber;
}

} // namespace velk
