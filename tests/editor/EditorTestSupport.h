#pragma once
// Opening the editor on a level of temporary word files and reading what
// its boxes show, for the editor's screen tests.

#include "app/Form2.h"
#include "app/frmChoice.h"
#include "editor/frmEdit.h"
#include "screens/ScreenRefs.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"
#include "support/WordFiles.h"

#include <QApplication>
#include <QtTest>

#include <memory>

namespace lexitor::testing {

using namespace editor;

// The six boxes: word, answer, three wrong meanings, reference.
inline QStringList boxes(const frmEdit& editor) {
    QStringList texts;
    const auto& ui = editor.ui;
    for (const QLineEdit* box : {ui.txtWord, ui.txtAns, ui.txtC1, ui.txtC2, ui.txtC3, ui.txtRef})
        texts.append(box->text());
    return texts;
}

inline QString shownWord(const frmEdit& editor) {
    return editor.ui.txtWord->text();
}

inline void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

inline std::string wordOf(const store::WordRecord& row) {
    return row.word.value_or("<null>");
}

inline std::vector<std::string> wordsOf(const std::vector<store::WordRecord>& rows) {
    std::vector<std::string> words;
    for (const auto& row : rows)
        words.push_back(wordOf(row));
    return words;
}

// Four rows whose table order differs from their index order on purpose.
inline std::vector<store::WordRecord> fourWords() {
    return {wordRow("delta", "d meaning", "d1", "d2", "d3", "see D"),
            wordRow("alpha", "a meaning", "a1", "a2", "a3"),
            wordRow("charlie", "c meaning", "c1", "c2", "c3", "see C"),
            wordRow("bravo", "b meaning", "b1", "b2", "b3")};
}

// Fresh word files and message script per test; the editor opened as the
// level chooser opens it.
class EditorFixture {
public:
    std::unique_ptr<WordFiles> files = std::make_unique<WordFiles>();
    std::unique_ptr<ScriptedMessages> messages = std::make_unique<ScriptedMessages>();

    // Shows the editor for `level`; nullptr when it refused to open.
    frmEdit* open(int level) {
        refs::get<Form2>().n = static_cast<qint16>(level + 1);
        refs::get<frmEdit>().showScreen();
        frmEdit* editor = refs::peek<frmEdit>();
        if (editor && !editor->isUnloaded())
            QApplication::setActiveWindow(editor);
        return editor && !editor->isUnloaded() ? editor : nullptr;
    }
    // The editor on level 0 holding fourWords().
    frmEdit* openFour() {
        files->add(0, fourWords());
        return open(0);
    }
};

} // namespace lexitor::testing
