#include "WordsRunner.h"

#include <QDir>
#include <QProcess>

namespace lexitor::testing {

QString WordsRun::describe() const {
    return QStringLiteral("exit %1\nstdout: %2\nstderr: %3").arg(exitCode).arg(out, err);
}

WordsRun runWords(const QStringList& args, const QString& workDir) {
    QProcess process;
    process.setProgram(QStringLiteral(LEXITOR_WORDS_EXE));
    process.setArguments(args);
    if (!workDir.isEmpty())
        process.setWorkingDirectory(workDir);
    process.start();
    WordsRun run;
    // A generous bound only against a hung child; nothing here is timed.
    if (!process.waitForFinished(300'000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString levelFile(const QString& dir, int level) {
    return QDir(dir).filePath(QStringLiteral("word%1.mdb").arg(level));
}

bool createLevels(const QString& dir, std::initializer_list<int> levels) {
    return std::all_of(levels.begin(), levels.end(), [&dir](int level) {
        return runWords({"create", levelFile(dir, level), "--level", QString::number(level)})
                   .exitCode == 0;
    });
}

QByteArray levelFileBytes(const QString& dir) {
    QByteArray all;
    for (int level = 0; level < store::kLevelCount; ++level)
        all += fileBytes(levelFile(dir, level));
    return all;
}

} // namespace lexitor::testing
