#pragma once
// Bringing Jet level files across: every wordN.mdb of a folder that is a
// Jet file becomes a word database holding the same rows, texts and nulls
// as stored, in the table's order, and the original is kept byte for byte
// beside it (wordN.mdb.jet). Each file is converted whole or not at all: a
// kill at any moment leaves either the Jet file in place, or the new file
// and the kept original; running the conversion again finishes the job.

#include <QString>
#include <QStringList>

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
    QString reason;
};

struct FolderConversion {
    QString folder; // absolute
    std::vector<ConvertedFile> converted;
    std::vector<RefusedFile> refused;
    // The rows carried over that Lexitor's own checks would refuse today,
    // one line each, also written to the report file in the folder.
    QStringList flagged;

    bool isEmpty() const { return converted.empty() && refused.empty(); }
};

FolderConversion convertJetFolder(const QString& folder);

// The one message that says which files were brought across, where the
// originals are and which files were left as they are; empty when the
// folder held no Jet level file.
QString conversionMessage(const FolderConversion& conversion);

} // namespace lexitor::wordlist
