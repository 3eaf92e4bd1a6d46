#include "wordlist/JetFolderConversion.h"

#include "store/MessageText.h"
#include "wordlist/JetFolderConversionFiles.h"

#include <QDir>

namespace lexitor::wordlist {

namespace {

using conversion::levelFileName;

QString sentence(const QString& text) {
    return QString::fromStdString(store::sentence(text.toStdString()));
}

QString flaggedText(const FolderConversion& conversion) {
    constexpr qsizetype kShown = 20;
    const QString report = QDir(conversion.folder).filePath(kConversionReportName);
    QString text = QStringLiteral("%1 of the rows carried over would not pass Lexitor's checks "
                                  "today (a word in two places, a short word or a missing "
                                  "meaning). They were kept all the same")
                       .arg(conversion.flagged.size());
    if (conversion.reportFailure.isEmpty())
        return text + QStringLiteral(" and are listed in %1.").arg(report);
    text += QStringLiteral(", but the list could not be written to %1 (%2); here it is:")
                .arg(report, conversion.reportFailure);
    for (const QString& line : conversion.flagged.mid(0, kShown))
        text += QLatin1Char('\n') + line;
    if (conversion.flagged.size() > kShown)
        text += QStringLiteral("\n… and %1 more.").arg(conversion.flagged.size() - kShown);
    return text;
}

QString quotedNames(const QStringList& names) {
    QStringList quoted;
    for (const QString& name : names)
        quoted.append(QString::fromStdString(store::excerpt(name.toStdString())));
    return quoted.join(QStringLiteral(", "));
}

} // namespace

QString conversionMessage(const FolderConversion& conversion) {
    QStringList paragraphs;
    if (!conversion.converted.empty()) {
        QStringList files, kept, unused;
        for (const ConvertedFile& file : conversion.converted) {
            files.append(
                QStringLiteral("%1 (%2 words)").arg(levelFileName(file.level)).arg(file.rows));
            kept.append(file.keptAs);
            if (!file.otherFields.isEmpty())
                unused.append(QStringLiteral("%1 of %2")
                                  .arg(quotedNames(file.otherFields), levelFileName(file.level)));
        }
        paragraphs.append(QStringLiteral("These word files were brought across from the Jet "
                                         "format: %1. The original files are kept unchanged "
                                         "beside them in %2, as %3.")
                              .arg(files.join(QStringLiteral(", ")), conversion.folder,
                                   kept.join(QStringLiteral(", "))));
        if (!unused.isEmpty())
            paragraphs.append(QStringLiteral("Lexitor has no use for the fields %1; they stay "
                                             "in the kept originals.")
                                  .arg(unused.join(QStringLiteral("; "))));
        for (const QString& line : conversion.unchecked)
            paragraphs.append(sentence(line));
        if (!conversion.flagged.isEmpty())
            paragraphs.append(flaggedText(conversion));
    }
    for (const RefusedFile& file : conversion.refused)
        paragraphs.append(
            sentence(file.reason) +
            (file.untouched ? QStringLiteral(" The file was left as it is.") : QString()));
    return paragraphs.join(QStringLiteral("\n\n"));
}

} // namespace lexitor::wordlist
