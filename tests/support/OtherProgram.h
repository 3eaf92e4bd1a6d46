#pragma once
// Another program on a word file: the sqlite3 command line, run as a
// separate process. It runs its script, says so, and then holds whatever
// the script left open (a transaction, a lock) until it ends: by end(),
// which rolls back what is still open, or by kill(), SIGKILL on the spot.

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace lexitor::testing {

class OtherProgram {
public:
    OtherProgram(const QString& file, const QString& script) {
        process_.start(QStandardPaths::findExecutable(QStringLiteral("sqlite3")), {file});
        process_.waitForStarted(30000);
        // The ";" ends a last statement the script may leave open.
        process_.write((script + QStringLiteral("\n;\n.print ready\n")).toUtf8());
        QByteArray said;
        while (!said.contains("ready") && process_.waitForReadyRead(30000))
            said += process_.readAllStandardOutput();
    }
    ~OtherProgram() { end(); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    void end() {
        if (process_.state() != QProcess::Running)
            return;
        process_.closeWriteChannel();
        process_.waitForFinished(30000);
    }
    void kill() {
        process_.kill();
        process_.waitForFinished(30000);
    }
    QString errors() { return QString::fromUtf8(process_.readAllStandardError()); }

private:
    QProcess process_;
};

// Runs a script in another process to its end.
inline void otherProgramRuns(const QString& file, const QString& script) {
    OtherProgram(file, script).end();
}

} // namespace lexitor::testing
