// Seeking, adding, editing and misuse on one level table, and the errors
// each misuse gives. Walking, bookmarks, deleting and other writers are
// checked call by call against a model in StoreRandomTest.
#include "StoreFixtures.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lexitor::testing;

namespace {
const std::string kNoRow = "No current record.";
} // namespace

class StoreNavigationTest : public QObject {
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
    void indexOrderAndSeek() {
        auto db = openDb(levelFile({"cherry", " Apple", "banana", "apple", "apricot", "Äpfel"}));
        auto rs = db->OpenRecordset("word0");
        QCOMPARE(errorOf([&] { rs->Seek("=", "apple"); }),
                 "Operation is not supported without a current index.");
        QCOMPARE(errorOf([&] { rs->Index("wrd1in"); }), "Unknown index 'wrd1in' on table 'word0'.");
        rs->MoveFirst();
        rs->Move(2); // banana stays current when the index is set
        rs->Index("wrdin");
        QCOMPARE(rs->Index(), "wrdin");
        QCOMPARE(rs->Field("word"), FieldValue("banana"));
        rs->MoveNext();
        QCOMPARE(rs->Field("word"), FieldValue("cherry"));
        // Blanks and letter case do not count; ties keep the order of adding.
        QCOMPARE(walk(*rs), (std::vector<std::string>{" Apple", "apple", "apricot", "banana",
                                                      "cherry", "Äpfel"}));

        rs->Seek("=", "APPLE  ");
        QVERIFY(!rs->NoMatch());
        QCOMPARE(rs->Field("word"), FieldValue(" Apple"));
        rs->MoveNext();
        QCOMPARE(rs->Field("word"), FieldValue("apple"));
        rs->Seek("=", "äPFEL");
        QCOMPARE(rs->Field("word"), FieldValue("Äpfel"));
        rs->Seek(">=", "apq");
        QCOMPARE(rs->Field("word"), FieldValue("apricot"));
        rs->Seek(">=", " B");
        QCOMPARE(rs->Field("word"), FieldValue("banana"));
        rs->Seek("=", "apples");
        QVERIFY(rs->NoMatch());
        QCOMPARE(errorOf([&] { rs->Field("word"); }), kNoRow);
        QCOMPARE(errorOf([&] { rs->MoveNext(); }), kNoRow);
        rs->Seek(">=", "zzz");
        QCOMPARE(rs->Field("word"), FieldValue("Äpfel"));
        rs->Seek(">=", "ü");
        QVERIFY(rs->NoMatch());
        QVERIFY(!errorOf([&] { rs->Seek("<", "a"); }).empty());

        // Back to the table order, from the row that is current.
        rs->Seek("=", "banana");
        rs->Index("");
        rs->MoveNext();
        QCOMPARE(rs->Field("word"), FieldValue("apple"));
        QCOMPARE(errorOf([&] { rs->Seek("=", "apple"); }),
                 "Operation is not supported without a current index.");
    }

    void addingEditingAndMisuse() {
        auto db = openDb(levelFile({"pear", "fig"}));
        auto rs = db->OpenRecordset("word0");
        QCOMPARE(errorOf([&] { rs->Update(); }), "Update without AddNew or Edit.");
        QVERIFY(!errorOf([&] { rs->SetField("word", "x"); }).empty());
        QVERIFY(!errorOf([&] { rs->CancelUpdate(); }).empty());
        QCOMPARE(errorOf([&] { rs->Field("colour"); }), "Unknown field 'colour'.");

        rs->MoveFirst();
        rs->AddNew();
        QCOMPARE(rs->Field("word"), FieldValue()); // the new row, all null
        rs->SetField("word", "apple");
        QCOMPARE(errorOf([&] { rs->SetField("colour", "red"); }), "Unknown field 'colour'.");
        rs->SetField("ANS", "a fruit"); // field names ignore letter case
        rs->Update();
        QCOMPARE(rs->Field("word"), FieldValue("pear")); // AddNew leaves the position
        QCOMPARE(rs->RecordCount(), 3);
        rs->MoveLast();
        QCOMPARE(currentRow(*rs), (WordRecord{"apple", "a fruit", {}, {}, {}, {}}));

        rs->AddNew();
        rs->SetField("word", "never");
        rs->CancelUpdate();
        rs->AddNew();
        rs->SetField("word", "dropped");
        rs->MoveFirst(); // moving away drops the pending row
        QCOMPARE(rs->RecordCount(), 3);

        // Editing the word moves the row in index order; the position stays.
        rs->Index("wrdin");
        rs->Seek("=", "pear");
        rs->Edit();
        rs->SetField("word", "zucchini");
        rs->SetField("c1", "");
        rs->Update();
        QCOMPARE(rs->Field("word"), FieldValue("zucchini"));
        QCOMPARE(rs->Field("ans"), FieldValue("pear-ans"));
        QCOMPARE(rs->Field("c1"), FieldValue(""));
        rs->MoveNext();
        QVERIFY(rs->Eof());
        QCOMPARE(walk(*rs), (std::vector<std::string>{"apple", "fig", "zucchini"}));

        // Transactions: all or nothing.
        db->BeginTrans();
        QVERIFY(!errorOf([&] { db->BeginTrans(); }).empty());
        addRow(*rs, sampleRecord("kiwi"));
        rs->Seek("=", "fig");
        rs->Delete();
        db->Rollback();
        QCOMPARE(walk(*rs), (std::vector<std::string>{"apple", "fig", "zucchini"}));
        db->BeginTrans();
        addRow(*rs, sampleRecord("kiwi"));
        db->CommitTrans();
        QVERIFY(!errorOf([&] { db->CommitTrans(); }).empty());
        QVERIFY(!errorOf([&] { db->Rollback(); }).empty());
        QCOMPARE(rs->RecordCount(), 4);

        // Closed recordsets and databases refuse every call.
        auto other = db->OpenRecordset("word0");
        rs->Close();
        QCOMPARE(errorOf([&] { rs->RecordCount(); }), "The recordset is closed.");
        QVERIFY(!errorOf([&] { rs->MoveFirst(); }).empty());
        db->Close();
        QVERIFY(errorOf([&] { other->MoveFirst(); }).find("closed") != std::string::npos);
        QVERIFY(errorOf([&] { db->OpenRecordset("word0"); }).find("closed") != std::string::npos);
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
                addRow(*rs, row);
        }
        auto db = openDb(file);
        auto rs = db->OpenRecordset("word0");
        QCOMPARE(rs->RecordCount(), 3);
        rs->MoveFirst();
        for (const auto& row : rows) {
            QVERIFY(currentRow(*rs) == row);
            rs->MoveNext();
        }
        rs->Index("wrdin");
        rs->Seek("=", "X'); drop table WORD0; --");
        QVERIFY(!rs->NoMatch());
        QCOMPARE(rs->Field("ref"), FieldValue()); // null stays null
        rs->Seek("=", "СЛОВО");
        QCOMPARE(rs->Field("c3"), FieldValue("")); // empty stays empty
        rs->Edit();
        rs->SetField("c3", std::nullopt);
        rs->SetField("ref", "");
        rs->Update();
        QCOMPARE(rs->Field("c3"), FieldValue());
        QCOMPARE(rs->Field("ref"), FieldValue(""));
    }

};

QTEST_GUILESS_MAIN(StoreNavigationTest)
#include "StoreNavigationTest.moc"
