#pragma once

#include "reports/DocumentOpener.h"

#include <string>
#include <vector>

namespace velk::test {

// Stands in for the word processor and the desktop: notes every page it is asked to open and
// starts, or fails to start, as the test says.
struct RecordingOpener : DocumentOpener {
    bool writerStarts = true;
    bool desktopOpens = true;
    std::vector<std::string> calls; // "writer PATH" or "desktop PATH"
    bool openInWordProcessor(const std::string& path) override {
        calls.push_back("writer " + path);
        return writerStarts;
    }
    bool openWithDesktop(const std::string& path) override {
        calls.push_back("desktop " + path);
        return desktopOpens;
    }
};

} // namespace velk::test
