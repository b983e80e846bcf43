#pragma once

#include <string>

namespace velk {

// Opens a saved page in a program of the desktop; the windows and the command line supply the
// real one.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // The word processor (LibreOffice Writer), started on its own: false when it is not installed
    // or does not start.
    virtual bool openInWordProcessor(const std::string& path) = 0;
    // The desktop's own program for HTML pages.
    virtual bool openWithDesktop(const std::string& path) = 0;
};

} // namespace velk
