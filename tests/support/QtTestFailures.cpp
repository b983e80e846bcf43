// Linked into every window test: a question, input or file choice the test did not answer fails
// the test through QtTest and is answered Cancel, instead of an exception unwinding through Qt.
#include "support/ScriptedDialogs.h"

#include <QtTest>

namespace {

const bool kInstalled = [] {
    velk::test::ScriptedDialogs::unexpectedHandler() = [](const std::string& what) {
        QTest::qFail(what.c_str(), __FILE__, __LINE__);
    };
    return true;
}();

} // namespace
