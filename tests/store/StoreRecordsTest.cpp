// Misuse and the errors it gives, whole-row reads and writes, transactions,
// and texts that must come back as they went in. Walking, seeking, index
// order, bookmarks, adding, editing, deleting and other writers are checked
// call by call against a model in StoreRandomTest.
#include "StoreFixtures.h"
#include "store/WordRules.h"
#include "support/WordRuleCases.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lexitor::testing;

class StoreRecordsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    int files_ = 0;

    // A fresh level-0 file holding `words`.
    QString levelFile(const std::vector<std::string>& words) {
        const QString file = dir_.filePath(QStringLiteral("w%1.mdb").arg(++files_));
        makeLevelFile(file, 0, words);
        return file;
    }

private slots:
    void misuseIsRefusedWithItsMessage() {
        auto db = openDb(levelFile({"pear", "fig"}));
        auto rs = db->OpenRecordset("word0");
        QCOMPARE(errorOf([&] { rs->Seek("=", "pear"); }),
                 "Operation is not supported without a current index.");
        QCOMPARE(errorOf([&] { rs->Index("wrd1in"); }), "Unknown index 'wrd1in' on table 'word0'.");
        rs->Index("wrdin");
        QVERIFY(!errorOf([&] { rs->Seek("<", "a"); }).empty());
        rs->Index("");
        QVERIFY(!errorOf([&] { rs->SetField("word", "x"); }).empty());
        QVERIFY(!errorOf([&] { rs->CancelUpdate(); }).empty());
        QCOMPARE(errorOf([&] { rs->Field("colour"); }), "Unknown field 'colour'.");

        rs->MoveFirst();
        rs->AddNew();
        QCOMPARE(currentRecord(*rs), WordRecord{}); // the new row, all null
        rs->SetField("word", "apple");
        QCOMPARE(errorOf([&] { rs->SetField("colour", "red"); }), "Unknown field 'colour'.");
        rs->SetField("ANS", "a fruit"); // field names ignore letter case
        QCOMPARE(currentRecord(*rs), (WordRecord{"apple", "a fruit", {}, {}, {}, {}}));
        rs->Update();
        rs->AddNew();
        rs->SetField("word", "never");
        rs->CancelUpdate();
        rs->AddNew();
        rs->SetField("word", "dropped");
        rs->MoveFirst(); // moving away drops the pending row
        QCOMPARE(errorOf([&] { rs->Update(); }), "Update without AddNew or Edit.");
        rs->MoveLast();
        QCOMPARE(currentRecord(*rs), (WordRecord{"apple", "a fruit", {}, {}, {}, {}}));
        rs->Edit();
        rs->SetField("c1", "");
        QCOMPARE(currentRecord(*rs), (WordRecord{"apple", "a fruit", "", {}, {}, {}}));
        rs->CancelUpdate();
        QCOMPARE(rs->Field("c1"), FieldValue());
        QCOMPARE(walk(*rs), (std::vector<std::string>{"pear", "fig", "apple"}));

        // Closed recordsets and databases refuse every call.
        auto other = db->OpenRecordset("word0");
        rs->Close();
        QCOMPARE(errorOf([&] { rs->RecordCount(); }), "The recordset is closed.");
        QCOMPARE(errorOf([&] { currentRecord(*rs); }), "The recordset is closed.");
        db->Close();
        QVERIFY(holds(errorOf([&] { other->MoveFirst(); }), "closed"));
        QVERIFY(holds(errorOf([&] { db->OpenRecordset("word0"); }), "closed"));
    }

    // One transaction at a time, committed once; one left with its database
    // closed is undone in the file. (Commits and rollbacks amid walking and
    // seeking are checked in StoreRandomTest.)
    void transactionsAreAllOrNothing() {
        const QString file = levelFile({"apple", "fig"});
        auto db = openDb(file);
        auto rs = db->OpenRecordset("word0");
        {
            Transaction transaction(*db);
            QCOMPARE(errorOf([&] { Transaction second(*db); }),
                     "A transaction is already running on '" + file.toStdString() + "'.");
            appendRecord(*rs, sampleRecord("kiwi"));
            transaction.commit();
            QVERIFY(!errorOf([&] { transaction.commit(); }).empty());
        }
        {
            Transaction transaction(*db);
            appendRecord(*rs, sampleRecord("plum"));
            db->Close();
        }
        QCOMPARE(walk(*openDb(file)->OpenRecordset("word0")),
                 (std::vector<std::string>{"apple", "fig", "kiwi"}));
        QCOMPARE(errorOf([&] { Transaction closed(*db); }),
                 "The database '" + file.toStdString() + "' is closed.");
    }

    // Every pair of texts of the word rules' table: Seek "=" finds one by
    // the other exactly when they are the same word, and the index order
    // keeps same words together, sorted by the rule's key.
    void indexOrderAndSeekFollowTheWordRule() {
        std::vector<std::string> texts;
        for (const WordRuleCase& rule : kWordRuleCases)
            texts.insert(texts.end(), {rule.stored, rule.typed});
        auto db = openDb(levelFile(texts));
        auto rs = db->OpenRecordset("word0");
        rs->Index("wrdin");
        std::string previous;
        for (const std::string& word : walk(*rs)) {
            QVERIFY2(previous <= wordKey(word), word.c_str());
            previous = wordKey(word);
        }
        for (const WordRuleCase& rule : kWordRuleCases) {
            rs->Seek("=", rule.stored);
            QVERIFY(!rs->NoMatch());
            rs->Seek("=", std::string(rule.typed));
            const bool same = !rs->NoMatch() && wordKey(*rs->Field("word")) == wordKey(rule.stored);
            QVERIFY2(same == (rule.outcome == WordOutcome::AlreadyThere), rule.name);
        }
    }

    void oddTextsRoundTripVerbatim() {
        const QString file = levelFile({});
        const std::vector<WordRecord> rows = {
            {"x'); DROP TABLE word0; --", "\"quoted\" 'single'", "tab\there", "new\nline",
             "  padded  ", std::nullopt},
            {"слово", "意味", "كلمة", "🙂 emoji", "", " "},
            {std::string(100000, 'L'), std::string("nul\0inside", 10), "%s %d ?1 :a", "\\", "NULL",
             ""},
        };
        {
            auto db = openDb(file);
            auto rs = db->OpenRecordset("word0");
            for (const auto& row : rows)
                appendRecord(*rs, row);
        }
        auto db = openDb(file);
        auto rs = db->OpenRecordset("word0");
        std::vector<WordRecord> seen;
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
            seen.push_back(currentRecord(*rs));
        QVERIFY(seen == rows);
        rs->Index("wrdin");
        rs->Seek("=", "X'); drop table WORD0; --");
        QVERIFY(!rs->NoMatch());
        rs->Edit(); // null and empty swap places, and stay apart
        rs->SetField("c3", std::nullopt);
        rs->SetField("ref", "");
        rs->Update();
        QCOMPARE(currentRecord(*rs),
                 (WordRecord{rows[0].word, rows[0].ans, rows[0].c1, rows[0].c2, std::nullopt, ""}));
    }
};

QTEST_GUILESS_MAIN(StoreRecordsTest)
#include "StoreRecordsTest.moc"
