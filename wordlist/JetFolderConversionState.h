#pragma once
// What a conversion found, kept where a rerun finds it: written durably
// before the first converted file takes its place, removed once the user
// was told. A conversion stopped at any point is thus reported, on the
// next run, exactly as it would have been; and the report file beside the
// words gets each conversion's section once.

#include "wordlist/JetFolderConversion.h"

#include <optional>

namespace lexitor::wordlist::conversion {

inline const QString kFindingsName = QStringLiteral("jet-conversion.pending");

// The findings of `folder` (its converted files, flagged rows, unchecked
// levels and start time); std::nullopt when there are none, or none that
// can be read.
std::optional<FolderConversion> loadFindings(const QString& folder);
// Throws FileError.
void saveFindings(const FolderConversion& conversion);
void forgetFindings(const QString& folder);

// Adds the conversion's section to jet-conversion-report.txt unless the
// file holds it already; why it could not, or std::nullopt.
std::optional<QString> writeReport(const FolderConversion& conversion);

} // namespace lexitor::wordlist::conversion
