#pragma once

#include "reports/DocumentOpener.h"

namespace velk::cli {

// LibreOffice Writer found on the PATH, else xdg-open, each started in a session of its own and
// never waited for: the command ends while the page stays open.
class CliDocumentOpener : public DocumentOpener {
public:
    bool openInWordProcessor(const std::string& path) override;
    bool openWithDesktop(const std::string& path) override;
};

} // namespace velk::cli
