// Walking, seeking, bookmarks, deleting and editing on one level table, and
// the errors every misuse gives.
#include "StoreFixtures.h"

#include <QTemporaryDir>
#include <QTest>

using namespace storetest;

namespace {
const std::string kNoRow = "No current record.";
const std::string kDeleted = "Record is deleted.";
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
    void tableOrderWalkAndItsEnds() {
        auto db = openDb(levelFile({"delta", "alpha", "charlie", "bravo"}));
        auto rs = db->OpenRecordset("word0");
        QCOMPARE(rs->RecordCount(), 4);
        QVERIFY(!rs->Bof() && !rs->Eof());
        QCOMPARE(errorOf([&] { rs->Field("word"); }), kNoRow); // never positioned
        QCOMPARE(errorOf([&] { rs->MoveNext(); }), kNoRow);
        QCOMPARE(walk(*rs), (std::vector<std::string>{"delta", "alpha", "charlie", "bravo"}));
        QVERIFY(rs->Eof());
        QCOMPARE(errorOf([&] { rs->Field("word"); }), kNoRow);
        QCOMPARE(errorOf([&] { rs->MoveNext(); }), kNoRow);
        QCOMPARE(errorOf([&] { rs->Bookmark(); }), kNoRow);
        rs->MovePrevious();
        QCOMPARE(rs->Field("word"), FieldValue("bravo"));
        rs->MoveFirst();
        rs->MovePrevious();
        QVERIFY(rs->Bof() && !rs->Eof());
        QCOMPARE(errorOf([&] { rs->MovePrevious(); }), kNoRow);
        QCOMPARE(errorOf([&] { rs->Move(0); }), kNoRow);
        rs->MoveNext();
        QCOMPARE(rs->Field("word"), FieldValue("delta"));

        // Move(n) counts from the current row; past an end sets BOF or EOF.
        rs->MoveFirst();
        rs->Move(3);
        QCOMPARE(rs->Field("word"), FieldValue("bravo"));
        rs->Move(-2);
        QCOMPARE(rs->Field("word"), FieldValue("alpha"));
        rs->Move(3);
        QVERIFY(rs->Eof());
        rs->Move(-1);
        QCOMPARE(rs->Field("word"), FieldValue("bravo"));
        rs->Move(-100);
        QVERIFY(rs->Bof());
        rs->Move(2);
        QCOMPARE(rs->Field("word"), FieldValue("alpha"));
        rs->MoveLast();
        QCOMPARE(rs->Field("word"), FieldValue("bravo"));

        auto emptyDb = openDb(levelFile({}));
        auto empty = emptyDb->OpenRecordset("word0");
        QVERIFY(empty->Bof() && empty->Eof());
        QCOMPARE(errorOf([&] { empty->MoveFirst(); }), kNoRow);
        QCOMPARE(errorOf([&] { empty->MoveLast(); }), kNoRow);
    }

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

    void bookmarksAndDelete() {
        auto db = openDb(levelFile({"a1", "a2", "a3", "a4", "a5"}));
        auto rs = db->OpenRecordset("word0");
        rs->MoveFirst();
        rs->Move(1);
        const RowBookmark second = rs->Bookmark();
        rs->MoveLast();
        rs->Bookmark(second);
        QCOMPARE(rs->Field("word"), FieldValue("a2"));

        rs->MoveNext(); // a3
        const RowBookmark third = rs->Bookmark();
        rs->Delete();
        QCOMPARE(errorOf([&] { rs->Field("word"); }), kDeleted);
        QCOMPARE(errorOf([&] { rs->Bookmark(); }), kDeleted);
        QCOMPARE(errorOf([&] { rs->Edit(); }), kDeleted);
        QCOMPARE(errorOf([&] { rs->Delete(); }), kDeleted);
        QVERIFY(!rs->Bof() && !rs->Eof());
        QCOMPARE(rs->RecordCount(), 4);
        rs->MoveNext();
        QCOMPARE(rs->Field("word"), FieldValue("a4"));
        QVERIFY(!errorOf([&] { rs->Bookmark(third); }).empty());
        QVERIFY(!errorOf([&] { rs->Bookmark(RowBookmark{9999}); }).empty());

        rs->Bookmark(second);
        rs->MoveNext(); // a4
        rs->Delete();
        rs->MovePrevious();
        QCOMPARE(rs->Field("word"), FieldValue("a2"));
        rs->MoveLast();
        rs->Delete();
        rs->MoveNext();
        QVERIFY(rs->Eof());
        QCOMPARE(walk(*rs), (std::vector<std::string>{"a1", "a2"}));

        // The editor's delete: remember the next row, delete, come back to it.
        rs->Index("wrdin");
        rs->Seek("=", "a1");
        const RowBookmark doomed = rs->Bookmark();
        rs->MoveNext();
        const RowBookmark shown = rs->Bookmark();
        rs->Bookmark(doomed);
        rs->Delete();
        rs->Bookmark(shown);
        QCOMPARE(rs->Field("word"), FieldValue("a2"));
        rs->Delete();
        QCOMPARE(rs->RecordCount(), 0);
        rs->MoveNext();
        QVERIFY(rs->Eof() && rs->Bof() == false);
        QCOMPARE(errorOf([&] { rs->MoveFirst(); }), kNoRow);
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

    void twoRecordsetsSeeEachOthersChanges() {
        const QString file = levelFile({"one", "two", "three"});
        auto db = openDb(file);
        auto otherDb = openDb(file);
        auto a = db->OpenRecordset("word0");
        auto b = otherDb->OpenRecordset("WORD0");
        auto c = db->OpenRecordset("word0");
        a->MoveFirst();
        b->MoveLast();
        c->Index("wrdin");
        c->Seek("=", "two");

        addRow(*b, sampleRecord("four"));
        QCOMPARE(a->RecordCount(), 4);
        a->MoveLast();
        QCOMPARE(a->Field("word"), FieldValue("four"));
        c->MovePrevious(); // index: four one three two
        QCOMPARE(c->Field("word"), FieldValue("three"));

        // b deletes the row a stands on: a sees it deleted elsewhere (a
        // failure it recovers from) and moves on from there.
        a->MoveFirst();
        a->MoveNext(); // two
        b->MoveFirst();
        b->MoveNext();
        b->Delete();
        QVERIFY(errorOf([&] { a->Field("word"); }).starts_with("RowGone: "));
        a->MoveNext();
        QCOMPARE(a->Field("word"), FieldValue("three"));
        QCOMPARE(c->Field("word"), FieldValue("three"));
        c->MoveNext();
        QVERIFY(c->Eof());

        // An edit through one is read through the others, in both orders.
        a->Edit();
        a->SetField("word", "aaa");
        a->SetField("ans", "first now");
        a->Update();
        b->Bookmark(a->Bookmark());
        QCOMPARE(b->Field("ans"), FieldValue("first now"));
        QCOMPARE(walk(*c), (std::vector<std::string>{"aaa", "four", "one"}));
    }
};

QTEST_GUILESS_MAIN(StoreNavigationTest)
#include "StoreNavigationTest.moc"
