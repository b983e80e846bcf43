#pragma once

#include "reports/PairPageHandOff.h"

namespace velk {

// LibreOffice Writer through QProcess::startDetached, so the program never waits for it; the
// desktop's handler through QDesktopServices.
class QtDocumentOpener : public DocumentOpener {
public:
    bool openInWordProcessor(const std::string& path) override;
    bool openWithDesktop(const std::string& path) override;
};

} // namespace velk
