#pragma once
// Test data made outside the project (real Jet files and their rows),
// shared between checkouts and found beside the checkout when the build is
// configured. A test that needs a file of it and does not find it says so
// and is skipped; where LEXITOR_REQUIRE_FIXTURES is set, as tools/test.sh
// sets it, the test fails instead, so a run that should read them cannot
// pass without them.

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTest>

namespace lexitor::testing {

inline QString sharedFixture(const QString& path) {
    return QDir(QStringLiteral(LEXITOR_SHARED_FIXTURES)).filePath(path);
}

// Why a fixture cannot be read; empty when it is there.
inline QByteArray missingFixture(const QString& path) {
    const QString file = sharedFixture(path);
    if (QFileInfo::exists(file))
        return {};
    return "shared fixture " + file.toUtf8() +
           " is missing (looked for shared/fixtures beside the checkout when the build was "
           "configured; -DLEXITOR_SHARED_FIXTURES=DIR places it elsewhere)";
}

inline bool fixturesRequired() {
    return qEnvironmentVariableIsSet("LEXITOR_REQUIRE_FIXTURES");
}

} // namespace lexitor::testing

// Ends the test function unless the shared fixture `path` is there: as a
// skip that names it, or as a failure where fixtures are required.
#define REQUIRE_SHARED_FIXTURE(path)                                                               \
    do {                                                                                           \
        const QByteArray missing_ = ::lexitor::testing::missingFixture(path);                      \
        if (!missing_.isEmpty()) {                                                                 \
            if (::lexitor::testing::fixturesRequired())                                            \
                QFAIL(missing_.constData());                                                       \
            QSKIP(missing_.constData());                                                           \
        }                                                                                          \
    } while (false)
