#include "wordlist/JetFolderConversionState.h"

#include "wordlist/JetFolderConversionFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lexitor::wordlist::conversion {

namespace {

QString findingsPath(const QString& folder) {
    return QDir(folder).filePath(kFindingsName);
}

QJsonArray toJson(const QStringList& texts) {
    return QJsonArray::fromStringList(texts);
}

QStringList texts(const QJsonValue& value) {
    QStringList all;
    for (const QJsonValue& text : value.toArray())
        all.append(text.toString());
    return all;
}

} // namespace

std::optional<FolderConversion> loadFindings(const QString& folder) {
    std::optional<QByteArray> bytes;
    try {
        bytes = readRegularFile(findingsPath(folder));
    } catch (const FileError&) {
    }
    const QJsonObject json = QJsonDocument::fromJson(bytes.value_or(QByteArray())).object();
    if (json.isEmpty())
        return std::nullopt;
    FolderConversion findings;
    findings.folder = folder;
    findings.started = json[QLatin1String("started")].toString();
    for (const QJsonValue& value : json[QLatin1String("converted")].toArray()) {
        const QJsonObject file = value.toObject();
        const int level = file[QLatin1String("level")].toInt(-1);
        if (level < 0 || level >= store::kLevelCount)
            return std::nullopt;
        findings.converted.push_back({level, file[QLatin1String("keptAs")].toString(),
                                      std::size_t(file[QLatin1String("rows")].toInteger()),
                                      texts(file[QLatin1String("otherFields")])});
    }
    findings.flagged = texts(json[QLatin1String("flagged")]);
    findings.unchecked = texts(json[QLatin1String("unchecked")]);
    return findings;
}

void saveFindings(const FolderConversion& conversion) {
    QJsonArray converted;
    for (const ConvertedFile& file : conversion.converted)
        converted.append(QJsonObject{{"level", file.level},
                                     {"keptAs", file.keptAs},
                                     {"rows", qint64(file.rows)},
                                     {"otherFields", toJson(file.otherFields)}});
    const QJsonObject json{{"started", conversion.started},
                           {"converted", converted},
                           {"flagged", toJson(conversion.flagged)},
                           {"unchecked", toJson(conversion.unchecked)}};
    writeFileDurably(findingsPath(conversion.folder), QJsonDocument(json).toJson());
}

void forgetFindings(const QString& folder) {
    if (QFile::remove(findingsPath(folder))) {
        try {
            syncToDisk(folder, true);
        } catch (const FileError&) {
            // Told once more on the next start at worst.
        }
    }
}

std::optional<QString> writeReport(const FolderConversion& conversion) {
    if (conversion.flagged.isEmpty() && conversion.unchecked.isEmpty())
        return std::nullopt;
    QString text = QStringLiteral("Word files brought across from the Jet format on %1:\n")
                       .arg(conversion.started);
    for (const ConvertedFile& file : conversion.converted)
        text += QStringLiteral("  %1: %2 rows; the original is kept as %3\n")
                    .arg(levelFileName(file.level))
                    .arg(file.rows)
                    .arg(file.keptAs);
    for (const QString& line : conversion.unchecked)
        text += QStringLiteral("  ") + line + QLatin1Char('\n');
    if (!conversion.flagged.isEmpty())
        text += QStringLiteral("Rows carried over that Lexitor's checks would refuse today:\n");
    for (const QString& line : conversion.flagged)
        text += QStringLiteral("  ") + line + QLatin1Char('\n');
    const QByteArray section = (text + QLatin1Char('\n')).toUtf8();
    const QString path = QDir(conversion.folder).filePath(kConversionReportName);
    try {
        const QByteArray report = readRegularFile(path).value_or(QByteArray());
        if (!report.contains(section))
            writeFileDurably(path, report + section);
    } catch (const FileError& error) {
        return QString::fromStdString(error.what());
    }
    return std::nullopt;
}

} // namespace lexitor::wordlist::conversion
