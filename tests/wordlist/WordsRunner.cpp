#include "WordsRunner.h"

#include <QProcess>

namespace lexitor::testing {

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

} // namespace lexitor::testing
