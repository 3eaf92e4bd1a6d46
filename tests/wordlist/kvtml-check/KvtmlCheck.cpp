// kvtml-check FILE: reads FILE with KDE's vocabulary library and prints, one
// line per entry in lesson order, the lesson, the texts of translations 0
// and 1, the multiple-choice choices of translation 1 and the example of
// translation 0, separated by tabs; the first line is the identifier count.

#include <KEduVocDocument>
#include <KEduVocExpression>
#include <KEduVocLesson>
#include <KEduVocTranslation>

#include <QCoreApplication>
#include <QTextStream>
#include <QUrl>

static void print(QTextStream& out, KEduVocContainer* lesson) {
    for (KEduVocExpression* entry : lesson->entries()) {
        out << lesson->name() << '\t' << entry->translation(0)->text() << '\t'
            << entry->translation(1)->text() << '\t'
            << entry->translation(1)->getMultipleChoice().join(QLatin1Char('|')) << '\t'
            << entry->translation(0)->example() << '\n';
    }
    for (KEduVocContainer* child : lesson->childContainers())
        print(out, child);
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    KEduVocDocument document;
    const int error = document.open(QUrl::fromLocalFile(app.arguments().value(1)),
                                    KEduVocDocument::FileIgnoreLock);
    QTextStream out(stdout);
    if (error != KEduVocDocument::NoError) {
        out << "error " << KEduVocDocument::errorDescription(error) << '\n';
        return 1;
    }
    out << document.identifierCount() << '\n';
    print(out, document.lesson());
    return 0;
}
