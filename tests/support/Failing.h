#pragma once

#include <QString>
#include <QtTest>
#include <source_location>

namespace velk::test {

// Records a failure of the running test function at `where`, the line of the test that asked for
// what went wrong, and lets the caller return. For helpers that QFAIL cannot serve: it returns
// only from the function it is written in.
inline void Fail(const QString& message, const std::source_location& where) {
    QTest::qFail(qPrintable(message), where.file_name(), static_cast<int>(where.line()));
}

} // namespace velk::test
