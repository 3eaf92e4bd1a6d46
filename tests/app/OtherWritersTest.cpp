// Lexitor beside other programs on the same word folder, each scenario a
// script: the screens driven as a user does, while the sqlite3 command line
// or lexitor-words (real processes) change, lock or add words. The other
// program's words stay byte for byte as it left them, the acting screen
// shows a message or does the right thing, and nothing ends the program.
#include "app/Program.h"
#include "editor/frmEdit.h"
#include "entry/Form1.h"
#include "quiz/QuizFixture.h"
#include "support/Files.h"
#include "support/OtherProgram.h"

#include <QFile>
#include <QProcess>

using namespace lexitor;
using namespace lexitor::editor;
using namespace lexitor::entry;
using namespace lexitor::testing;
using store::WordRecord;

namespace {

const WordRecord* byWord(const std::vector<WordRecord>& rows, const std::string& word) {
    const auto it =
        std::find_if(rows.begin(), rows.end(), [&](auto& row) { return row.word == word; });
    return it == rows.end() ? nullptr : &*it;
}

int runWords(const QStringList& args) {
    QProcess words;
    words.start(QStringLiteral(LEXITOR_WORDS_EXE), args);
    return words.waitForFinished(60000) ? words.exitCode() : -1;
}

// lexitor-words importing one word to `level`; its exit code.
int importWord(const QString& dir, const QString& level, const QByteArray& word) {
    const QString list = dir + "/list.tsv";
    writeFile(list,
              "word\tans\tc1\tc2\tc3\tref\n" + word + "\ttheir answer\tone\ttwo\tthree\t \n");
    return runWords({"import", list, "--level", level, "--dir", dir});
}

} // namespace

class OtherWritersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WordFiles> files_;
    std::unique_ptr<ScriptedMessages> messages_;
    std::unique_ptr<ScriptedDraws> draws_;
    screens::Services services_;
    std::vector<std::unique_ptr<OtherProgram>> holders_;
    screens::Screen* screen_ = nullptr;
    // The levels as the other program left them.
    std::array<std::vector<WordRecord>, store::kLevelCount> left_;

    void otherProgramDone() {
        for (int level = 0; level < store::kLevelCount; ++level)
            left_[level] = files_->rows(level);
    }

    // One step: "<verb> <arguments>".
    void run(const QString& step) {
        const QString verb = step.section(' ', 0, 0);
        const QString rest = step.section(' ', 1);
        const QString first = rest.section(' ', 0, 0);
        const QString more = rest.section(' ', 1);
        if (verb == "editor") {
            refs::get<Form2>(services_).n = static_cast<qint16>(first.toInt() + 1);
            refs::get<frmEdit>(services_).showScreen();
            screen_ = refs::peek<frmEdit>();
            QVERIFY(screen_);
        } else if (verb == "add") {
            screen_ = &refs::get<Form1>(services_);
            screen_->showScreen();
        } else if (verb == "quiz") {
            screen_ = startQuiz(services_);
            QVERIFY(screen_);
        } else if (verb == "sql") {
            otherProgramRuns(files_->path(first.toInt()), more);
            otherProgramDone();
        } else if (verb == "hold") {
            holders_.push_back(std::make_unique<OtherProgram>(files_->path(first.toInt()), more));
        } else if (verb == "words") {
            QCOMPARE(importWord(files_->dir(), first, more.toUtf8()), 0);
            otherProgramDone();
        } else if (verb == "readonly") {
            QVERIFY(QFile::setPermissions(first == "folder" ? files_->dir()
                                                            : files_->path(first.toInt()),
                                          QFile::ReadOwner | QFile::ExeOwner));
        } else if (verb == "type") {
            typeInto(screen_->findChild<QLineEdit*>(first), more);
        } else if (verb == "click") {
            QTest::mouseClick(screen_->findChild<QPushButton*>(first), Qt::LeftButton);
        } else if (verb == "answer") {
            for (int i = 0; i < rest.toInt(); ++i)
                click(static_cast<frmTest*>(screen_), rightOption(static_cast<frmTest*>(screen_)));
        } else if (verb == "shows") {
            QCOMPARE(screen_->findChild<QLineEdit*>(first)->text(), more);
        } else if (verb == "stored") {
            QVERIFY(byWord(files_->rows(first.toInt()), more.toStdString()));
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }

private slots:
    void init() {
        files_ = std::make_unique<WordFiles>();
        fillAll(*files_, 8);
        otherProgramDone();
        messages_ = std::make_unique<ScriptedMessages>();
        draws_ = std::make_unique<ScriptedDraws>();
        services_ = messages_->services(draws_.get());
        app::connectStore(services_, std::chrono::milliseconds(300));
    }

    void cleanup() {
        releaseScreens();
        holders_.clear();
        for (const QString& file :
             {files_->dir(), files_->path(0), files_->path(1), files_->path(2)})
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!QApplication::overrideCursor());
        const QStringList fatal = messages_->fatal;
        services_ = {};
        messages_.reset();
        draws_.reset();
        files_.reset();
        QVERIFY2(fatal.isEmpty(), qPrintable(fatal.join("; ")));
    }

    void scenarios_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("message"); // in the last message; "" for none but questions
        QTest::addColumn<QStringList>("untouched"); // words as the other program left them; "*" all

        // clang-format off
        const QString deleted8 = "sql 1 DELETE FROM word1 WHERE rowid=8";
        const struct { const char* name; QStringList steps; QString message; QStringList untouched; } rows[] = {
            {"update, the row shown deleted and a word added elsewhere",
             {"editor 1", "click cmdPrev", deleted8, "words 1 brandnew", "type txtAns mine",
              "click cmdUpdate", "shows txtWord brandnew"}, "deleted elsewhere", {"*"}},
            {"delete, the row shown deleted and a word added elsewhere",
             {"editor 1", "click cmdPrev", deleted8, "words 1 brandnew", "click cmdDel"},
             "deleted elsewhere", {"*"}},
            {"update, the answer changed elsewhere",
             {"editor 1", "sql 1 UPDATE word1 SET ans='theirs' WHERE rowid=1", "type txtRef mine",
              "click cmdUpdate", "shows txtAns theirs"}, "changed elsewhere", {"*"}},
            {"next, find and delete, the row shown deleted elsewhere",
             {"editor 1", "sql 1 DELETE FROM word1 WHERE rowid=1", "click cmdNext", "shows txtWord w1_1",
              "type txtWord w1_3", "click cmdFind", "shows txtWord w1_3", "click cmdDel",
              "shows txtWord w1_4"}, "", {"w1_1", "w1_2", "w1_4", "w1_7"}},
            {"find and delete a word added elsewhere",
             {"editor 1", "words 1 brandnew", "type txtWord brandnew", "click cmdFind", "click cmdDel",
              "shows txtWord w1_0"}, "", {"w1_0", "w1_7"}},
            {"next, every row deleted elsewhere",
             {"editor 1", "sql 1 DELETE FROM word1", "click cmdNext", "shows txtWord "},
             "Sorry not enough records exist", {"*"}},
            {"update while another program holds the write lock",
             {"editor 1", "hold 1 BEGIN IMMEDIATE;", "type txtAns mine", "click cmdUpdate",
              "shows txtAns mine"}, "is locked by another program", {"*"}},
            {"update of a read-only file",
             {"readonly 1", "editor 1", "type txtAns mine", "click cmdUpdate", "shows txtAns mine"},
             "the file is read-only", {"*"}},
            {"two adds, one each",
             {"add", "words 1 theirs", "type txtWord mine", "type txtAns my answer", "type txtlevel 1",
              "click cmdAdd", "stored 1 mine"}, "", {"theirs"}},
            {"a word just added elsewhere is a duplicate",
             {"add", "words 2 DupWord", "type txtWord dupword", "type txtAns my answer",
              "type txtlevel 0", "click cmdAdd"}, "The word already exists", {"*"}},
            {"add while another program holds the write lock",
             {"add", "hold 0 BEGIN IMMEDIATE;", "type txtWord mine", "type txtAns my answer",
              "type txtlevel 0", "click cmdAdd", "shows txtWord mine"},
             "is locked by another program", {"*"}},
            {"quiz in a read-only folder", {"readonly folder", "quiz", "answer 4"},
             "Your answers cannot be kept", {"*"}},
            {"quiz, rows deleted elsewhere",
             {"quiz", "sql 1 DELETE FROM word1 WHERE rowid>2", "sql 0 DELETE FROM word0 WHERE rowid>2",
              "answer 9"}, "", {"*"}}};
        // clang-format on
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.steps << row.message << row.untouched;
    }

    void scenarios() {
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        QFETCH(QStringList, untouched);
        for (const QString& step : steps) {
            run(step);
            if (QTest::currentTestFailed())
                return;
        }
        QStringList shown;
        for (const auto& each : messages_->shown) {
            if (each.code != screens::vbYesNo && each.title != "Score" &&
                each.text != "All records used up2!!")
                shown << each.text;
        }
        QVERIFY2(message.isEmpty() ? shown.isEmpty()
                                   : !shown.isEmpty() && shown.last().contains(message),
                 qPrintable(shown.join(" | ")));
        for (int level = 0; level < store::kLevelCount; ++level) {
            const auto now = files_->rows(level);
            if (untouched == QStringList{"*"}) {
                QVERIFY(now == left_[level]);
                continue;
            }
            for (const QString& word : untouched) {
                const WordRecord* before = byWord(left_[level], word.toStdString());
                QVERIFY(!before || (byWord(now, word.toStdString()) &&
                                    *byWord(now, word.toStdString()) == *before));
            }
        }
    }

    // A second start on the same folder says so; lexitor-words may export
    // but not import while Lexitor has the folder.
    void oneLexitorPerFolder() {
        QVERIFY(app::claimWordFolder());
        QCOMPARE(importWord(files_->dir(), "0", "new"), 1);
        QCOMPARE(runWords({"export", "--level", "0", "--dir", files_->dir()}), 0);
        QVERIFY(!app::claimWordFolder());
        app::reportWordFolderTaken(services_);
        const QStringList texts = messages_->texts();
        QVERIFY(!texts.isEmpty() && texts.last().contains("Lexitor is already running in the folder"));
        QVERIFY(files_->rows(0) == left_[0]);

        // Where no lock can be had, Lexitor says why and only reads the words.
        QVERIFY(QFile::remove(files_->dir() + "/lexitor.lock") &&
                QDir(files_->dir()).mkdir("lexitor.lock"));
        QVERIFY(app::claimWordFolder() && !app::wordFolderHeld());
        app::connectStore(services_, std::chrono::milliseconds(300));
        QVERIFY(messages_->texts().last().contains("is a folder, not a file"));
        for (const char* step : {"add", "type txtWord mine", "type txtAns my answer",
                                 "type txtlevel 0", "click cmdAdd"})
            run(step);
        QVERIFY(messages_->texts().last().contains("could not lock its folder"));
        QVERIFY(files_->rows(0) == left_[0]);
        store::DBEngine::instance().setSettings({});
    }
};

QTEST_MAIN(OtherWritersTest)
#include "OtherWritersTest.moc"
