#pragma once
// Bringing Jet level files across: every wordN.mdb of a folder that is a
// Jet file becomes a word database holding the same rows, texts and nulls
// as stored, in the table's order, and the original is kept byte for byte
// beside it (wordN.mdb.jet). Each file is converted whole or not at all: a
// kill at any moment leaves either the Jet file in place, or the new file
// and the kept original; running the conversion again finishes the job and
// reports what the interrupted run would have.

#include "wordlist/formats/JetReader.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace lexitor::wordlist {

inline const QString kConversionReportName = QStringLiteral("jet-conversion-report.txt");

struct ConvertedFile {
    int level = 0;
    QString keptAs; // the name of the kept original, beside the new file
    std::size_t rows = 0;
    QStringList otherFields; // fields of the Jet table Lexitor has no use for
};

struct RefusedFile {
    int level = 0;
    QString reason;        // names the file
    bool untouched = true; // a file left as it is (not a pipe or a folder in its place)
};

struct FolderConversion {
    QString folder;  // absolute
    QString started; // when the files were read, as the report says it
    std::vector<ConvertedFile> converted;
    std::vector<RefusedFile> refused;
    // The rows carried over that Lexitor's own checks would refuse today,
    // one line each, also written to the report file in the folder.
    QStringList flagged;
    // Levels the converted words could not be compared with, and why.
    QStringList unchecked;
    // Why the report file could not be written; empty when it was.
    QString reportFailure;

    bool isEmpty() const { return converted.empty() && refused.empty(); }
};

// One conversion of a folder. The constructor looks at the level files and
// starts a reader child for each Jet file (so it is best made while the
// process has a single thread); finish() waits for them and brings the
// files across.
class JetFolderConversion {
public:
    explicit JetFolderConversion(const QString& folder);
    ~JetFolderConversion();

    // The names of the Jet files being read.
    QStringList reading() const;
    // `keepWaiting` is asked about every 50 ms while a reader runs; when it
    // says false, the files still being read are left as they are.
    FolderConversion finish(const std::function<bool()>& keepWaiting = {});

private:
    std::optional<QString> keepFindings();
    void finishEarlierRun();
    void readAll(const std::function<bool()>& keepWaiting);

    FolderConversion result_;
    std::optional<FolderConversion> earlier_;        // an interrupted run's findings
    std::array<bool, store::kLevelCount> dropped_{}; // of those, levels read afresh
    std::array<std::unique_ptr<JetReading>, store::kLevelCount> readers_;
    std::array<std::optional<JetWords>, store::kLevelCount> read_;
};

FolderConversion convertJetFolder(const QString& folder);

// The one message that says which files were brought across, where the
// originals are and which files were left as they are; empty when the
// folder held no Jet level file.
QString conversionMessage(const FolderConversion& conversion);

// To be called once the user was given the message: a rerun no longer
// needs the findings.
void conversionReported(const FolderConversion& conversion);

} // namespace lexitor::wordlist
