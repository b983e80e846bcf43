#include "reports/ReportStyle.h"

#include "core/TextHelpers.h"
#include "core/records/ConfigRecord.h"

namespace velk {

ReportStyle ReportStyle::Of(const TConfigObj& config) {
    return ReportStyle{(config.OptionFlags & OptionFlag::FrameLines) != 0};
}

std::string ReportStyle::single(int width) const {
    return Repeat(frameLines ? "\u2500" : "-", width);
}

std::string ReportStyle::doubled(int width) const {
    return Repeat(frameLines ? "\u2550" : "=", width);
}

} // namespace velk
