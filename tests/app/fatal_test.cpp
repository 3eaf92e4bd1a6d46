// An engine failure in a handler is reported once, with the engine's text,
// and the program ends with a non-zero status, leaving every file as it was.

#include "store/WordRecord.h"
#include "support/WordFiles.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QtTest>

namespace {

QByteArray digest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class FatalTest : public QObject {
    Q_OBJECT
private slots:
    void aDamagedWordFileEndsTheProgramAfterOneMessage() {
        lexitor::testing::WordFiles files;
        for (int level = 0; level < 3; ++level)
            files.add(level, {lexitor::testing::wordRow("alpha", "first letter"),
                              lexitor::testing::wordRow("beta", "second letter")});
        {
            QFile damaged(files.path(2));
            QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
            damaged.write(QByteArray(4096, '\x5a'));
        }
        const QByteArray before[3] = {digest(files.path(0)), digest(files.path(1)),
                                      digest(files.path(2))};

        QProcess child;
        child.setWorkingDirectory(files.dir());
        child.start(QStringLiteral(LEXITOR_FATAL_HELPER), {});
        QVERIFY(child.waitForFinished(30000));
        const QStringList lines =
            QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);

        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY(child.exitCode() != 0);
        QCOMPARE(lines.size(), 1); // one message, then the end
        QVERIFY2(lines[0].startsWith("Lexitor|"), qPrintable(lines[0]));
        QVERIFY2(lines[0].contains("word2.mdb"), qPrintable(lines[0]));
        QVERIFY(lines[0].endsWith("|16"));
        for (int level = 0; level < 3; ++level)
            QCOMPARE(digest(files.path(level)), before[level]);
    }
};

QTEST_MAIN(FatalTest)
#include "fatal_test.moc"
