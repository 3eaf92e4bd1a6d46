#include "entry/Form1.h"

#include "app/Form2.h"
#include "entry/NumberText.h"
#include "screens/Messages.h"
#include "screens/ScreenRefs.h"
#include "store/WordRecord.h"
#include "store/WordRules.h"

namespace lexitor::entry {

using namespace screens;

namespace {

const QString kLevelMessage = QStringLiteral("Please check the value of level");
const QString kErrorTitle = QStringLiteral("Error");

std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

} // namespace

Form1::Form1(const Services& services) : ScreenWith(form1Table(), services) {
    onClick(ui.cmdAdd, &Form1::cmdAdd_Click);
    onClick(ui.cmdExit2, &Form1::cmdExit2_Click);
    setValidation(ui.txtlevel, [this] {
        bool cancel = false;
        txtlevel_Validate(cancel);
        return !cancel;
    });
}

void Form1::Form_Load() {
    for (const auto& level : store::kLevels)
        levelFile_[level.level] = QString::fromUtf8(level.file.data(), level.file.size());
    for (const auto& level : store::kLevels)
        levelDb_[level.level] =
            store::DBEngine::instance().OpenDatabase(levelFile_[level.level].toStdString());
    for (const auto& level : store::kLevels)
        levelRs_[level.level] =
            levelDb_[level.level]->OpenRecordset(std::string(level.table), store::dbOpenTable);
    for (const auto& rs : levelRs_) {
        if (rs->RecordCount() > 1)
            rs->MoveFirst();
    }
}

void Form1::refuse(const QString& message, int code, const QString& title, QLineEdit* box,
                   bool selectText) {
    MsgBox(message, code, title);
    box->setFocus(Qt::OtherFocusReason);
    if (selectText)
        box->selectAll();
}

void Form1::cmdAdd_Click() {
    QLineEdit* word = ui.txtWord;
    QLineEdit* answer = ui.txtAns;
    QLineEdit* level = ui.txtlevel;

    const QString searchWord = word->text().trimmed();
    // Blank optional boxes hold one space, on screen and in the stored row.
    for (QLineEdit* box : {ui.txtC1, ui.txtC2, ui.txtC3, ui.txtRef}) {
        if (box->text().trimmed().isEmpty())
            box->setText(QStringLiteral(" "));
    }
    if (level->text().trimmed().isEmpty())
        level->setText(QStringLiteral("1"));

    if (!store::isLongEnough(searchWord, store::kShortestWord))
        return refuse("Invalid Word", vbExclamation, kErrorTitle, word, true);
    if (!isNumeric(level->text()))
        return refuse(kLevelMessage, vbOKOnly, kErrorTitle, level, false);
    const Int16Reading roundedLevel = readInt16(level->text());
    // A number too large for a level is a wrong level, not a fatal overflow.
    if (!roundedLevel.ok())
        return refuse(kLevelMessage, vbOKOnly, kErrorTitle, level, false);
    if (roundedLevel.value >= store::kLevelCount)
        return refuse("Level is madatory", vbOKOnly, kErrorTitle, level, false);

    if (existsInAnyLevel(searchWord)) {
        MsgBox("The word already exists");
        return;
    }
    if (!store::isLongEnough(answer->text(), store::kShortestAnswer))
        return refuse("Invalid answer for word. Please correct", vbExclamation, kErrorTitle, answer,
                      true);

    const double levelValue = numberValue(level->text()).value_or(-1.0);
    for (const auto& target : store::kLevels) {
        if (levelValue == target.level)
            return addRow(target.level);
    }
    // A level such as -1 or 1.5 passed the checks above; storing nothing
    // without a word would let the user believe the word was kept.
    refuse(kLevelMessage, vbOKOnly, kErrorTitle, level, false);
}

bool Form1::existsInAnyLevel(const QString& searchWord) {
    // The index compares trimmed, case-folded words, so " Apple" finds "apple ".
    const std::string key = searchWord.toStdString();
    levelRs_[0]->Index(std::string(store::kLevels[0].index));
    levelRs_[0]->Seek("=", key);
    levelRs_[1]->Index(std::string(store::kLevels[1].index));
    levelRs_[2]->Index(std::string(store::kLevels[2].index));
    levelRs_[1]->Seek("=", key);
    levelRs_[2]->Seek("=", key);
    return !levelRs_[0]->NoMatch() || !levelRs_[1]->NoMatch() || !levelRs_[2]->NoMatch();
}

void Form1::addRow(int level) {
    store::appendRecord(*levelRs_[level],
                        {text(ui.txtWord), text(ui.txtAns), text(ui.txtC1),
                         text(ui.txtC2), text(ui.txtC3), text(ui.txtRef)});
}

void Form1::txtlevel_Validate(bool& Cancel) {
    Cancel = !isNumeric(ui.txtlevel->text());
}

void Form1::cmdExit2_Click() {
    hideScreen();
    refs::get<app::Form2>(services()).showScreen();
    for (const int level : {0, 2, 1}) {
        if (levelRs_[level])
            levelRs_[level]->Close();
    }
    for (const int level : {0, 1, 2}) {
        if (levelDb_[level])
            levelDb_[level]->Close();
    }
    refs::unload<Form1>();
}

} // namespace lexitor::entry
