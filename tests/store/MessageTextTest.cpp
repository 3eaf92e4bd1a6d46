// What stands at a path, told without blocking, and how messages quote
// what users and files give them.
#include "store/FileKind.h"
#include "store/MessageText.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

using namespace lexitor::store;

class MessageTextTest : public QObject {
    Q_OBJECT

private slots:
    void quotedTextIsCutAndPunctuated() {
        const std::string accents = [] {
            std::string text;
            for (int i = 0; i < 61; ++i)
                text += "e\u0301";
            return text;
        }();
        const struct {
            std::string text, excerpt;
        } cuts[] = {
            {"short", "short"},
            {std::string(60, 'a'), std::string(60, 'a')},
            {std::string(61, 'a'), std::string(60, 'a') + "…"},
            {"line\nbreak\ttab\x01", "line break tab "},
            {accents, accents.substr(0, 60 * 3) + "…"}, // whole characters, not bytes
            {"", ""},
        };
        for (const auto& [text, expected] : cuts)
            QCOMPARE(excerpt(text), expected);
        // A path keeps its end, which names the file.
        QCOMPARE(excerptPath(std::string(100, 'd') + "/word1.mdb", 20),
                 "…" + std::string(10, 'd') + "/word1.mdb");
        QCOMPARE(excerptPath("run/word1.mdb"), std::string("run/word1.mdb"));

        const char* const sentences[][2] = {
            {"Permission denied", "Permission denied."}, {"denied.", "denied."},
            {"denied..", "denied."},   {"try again. ", "try again."}, {"Why?", "Why?"},
            {"Stop!", "Stop!"},        {"cut…", "cut…"},              {"", ""}};
        for (const auto& [text, expected] : sentences)
            QCOMPARE(sentence(text), std::string(expected));
    }

    // Each kind is told by name; only a regular file is ever opened, and
    // nothing here waits, a FIFO without a writer included.
    void onlyRegularFilesOpen() {
        QTemporaryDir dir;
        const std::string file = dir.filePath("word0.mdb").toStdString();
        const std::string fifo = dir.filePath("word0.mdb-journal").toStdString();
        const std::string socketPath = dir.filePath("socket").toStdString();
        QVERIFY(::close(::creat(file.c_str(), 0644)) == 0 && ::mkfifo(fifo.c_str(), 0644) == 0);
        const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
        QVERIFY(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        const struct {
            std::string path;
            FileKind kind;
            const char* says;
        } kinds[] = {
            {file, FileKind::Regular, ""},
            {dir.path().toStdString(), FileKind::Folder, "is a folder, not a file."},
            {fifo, FileKind::Fifo, "is a named pipe (FIFO), not a file."},
            {"/dev/null", FileKind::Device, "is a device, not a file."},
            {socketPath, FileKind::Socket, "is a socket, not a file."},
            {file + ".missing", FileKind::Missing, "No such file or directory."},
        };
        for (const auto& [path, kind, says] : kinds) {
            QCOMPARE(fileKind(path), kind);
            std::string why;
            const int fd = openRegularFile(path, why);
            QCOMPARE(fd >= 0, kind == FileKind::Regular);
            if (fd >= 0)
                ::close(fd);
            QVERIFY2(why.ends_with(says) && (why.empty() || why.find(path) != std::string::npos),
                     why.c_str());
            QCOMPARE(notARegularFile(path).has_value(),
                     kind != FileKind::Regular && kind != FileKind::Missing);
        }
        ::close(listening);
    }
};

QTEST_GUILESS_MAIN(MessageTextTest)
#include "MessageTextTest.moc"
