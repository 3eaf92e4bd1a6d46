#include "editor/frmEdit.h"

#include "app/Form2.h"
#include "app/frmChoice.h"
#include "screens/Messages.h"
#include "screens/ScreenRefs.h"
#include "store/WordRecord.h"

namespace lexitor::editor {

using namespace screens;

namespace {

// A null field shows as an empty box.
QString fieldText(const store::FieldValue& value) {
    return value ? QString::fromStdString(*value) : QString();
}

std::string trimmedText(const QLineEdit* box) {
    return box->text().trimmed().toStdString();
}

// The level the chooser handed over through the main menu.
const store::LevelDatabase& chosenLevel(const Services& services) {
    return store::levelDatabaseForEditorCode(refs::get<app::Form2>(services).n);
}

} // namespace

frmEdit::frmEdit(const Services& services) : ScreenWith(frmEditTable(), services) {
    onClick(ui.cmdFind, &frmEdit::cmdFind_Click);
    onClick(ui.cmdNext, &frmEdit::cmdNext_Click);
    onClick(ui.cmdPrev, &frmEdit::cmdPrev_Click);
    onClick(ui.cmdUpdate, &frmEdit::cmdUpdate_Click);
    onClick(ui.cmdDel, &frmEdit::cmdDel_Click);
    onClick(ui.cmdExit, &frmEdit::cmdExit_Click);
}

void frmEdit::Form_Load() {
    const store::LevelDatabase& level = chosenLevel(services());
    fileName_ = QString::fromUtf8(level.file.data(), static_cast<qsizetype>(level.file.size()));
    db_ = store::DBEngine::instance().OpenDatabase(fileName_.toStdString());
    rs_ = db_->OpenRecordset(std::string(level.table), store::dbOpenTable);

    if (rs_->RecordCount() <= 1) {
        MsgBox("Sorry not enough records exist", vbCritical, "Database Error");
        closeTable();
        hideScreen();
        refs::get<app::Form2>(services()).showScreen();
        refs::unload<app::frmChoice>();
        refs::unload<frmEdit>();
        return;
    }
    rs_->MoveFirst();
    // The word box doubles as the search box, so it always stays editable.
    ui.txtWord->setReadOnly(false);
    showCurrentRow();
}

void frmEdit::showCurrentRow() {
    const store::WordRecord row = store::currentRecord(*rs_);
    ui.txtWord->setText(fieldText(row.word));
    ui.txtAns->setText(fieldText(row.ans));
    ui.txtC1->setText(fieldText(row.c1));
    ui.txtC2->setText(fieldText(row.c2));
    ui.txtC3->setText(fieldText(row.c3));
    // Always this row's own reference: a reference left over from another
    // row would be shown beside the wrong word and stored into it by Update.
    ui.txtRef->setText(fieldText(row.ref));
    shown_ = rs_->Bookmark();
    enableRowCommands(true);
}

void frmEdit::showNoRow() {
    shown_.reset();
    for (QLineEdit* box : {ui.txtWord, ui.txtAns, ui.txtC1, ui.txtC2, ui.txtC3, ui.txtRef})
        box->clear();
    enableRowCommands(false);
}

void frmEdit::emptiedElsewhere() {
    MsgBox("Sorry not enough records exist", vbCritical, "Database Error");
    showNoRow();
}

void frmEdit::enableRowCommands(bool enabled) {
    for (QPushButton* command : {ui.cmdUpdate, ui.cmdDel, ui.cmdNext, ui.cmdPrev})
        command->setEnabled(enabled);
}

void frmEdit::cmdFind_Click() {
    const std::string key = trimmedText(ui.txtWord);
    rs_->Index(std::string(chosenLevel(services()).index));
    rs_->Seek(">=", key);
    if (rs_->NoMatch()) {
        // A failed seek leaves no current row; the row still shown stays
        // the one every other command works on.
        if (shown_)
            backToShown();
        MsgBox("Record Not Found", vbInformation, "Error");
        return;
    }
    showCurrentRow();
}

void frmEdit::backToShown() {
    try {
        rs_->Bookmark(*shown_);
    } catch (const store::RecoverableError&) {
        // Deleted elsewhere meanwhile: the first row takes its place.
        if (rs_->RecordCount() == 0)
            return showNoRow();
        rs_->MoveFirst();
        showCurrentRow();
    }
}

void frmEdit::cmdNext_Click() {
    if (!shown_)
        return;
    // Every row may have been deleted elsewhere since.
    if (rs_->RecordCount() == 0)
        return emptiedElsewhere();
    if (!rs_->Eof()) {
        rs_->MoveNext();
        if (rs_->Eof())
            rs_->MoveFirst();
    }
    showCurrentRow();
}

void frmEdit::cmdPrev_Click() {
    if (!shown_)
        return;
    if (rs_->RecordCount() == 0)
        return emptiedElsewhere();
    if (!rs_->Bof()) {
        rs_->MovePrevious();
        if (rs_->Bof())
            rs_->MoveLast();
    }
    showCurrentRow();
}

void frmEdit::cmdUpdate_Click() {
    if (!shown_)
        return;
    try {
        // The word is never written: its box is only the search text.
        rs_->Edit();
        rs_->SetField("ans", trimmedText(ui.txtAns));
        rs_->SetField("c1", trimmedText(ui.txtC1));
        rs_->SetField("c2", trimmedText(ui.txtC2));
        rs_->SetField("c3", trimmedText(ui.txtC3));
        // The reference box shows this row's reference; an empty box over a
        // row without one keeps the null.
        const std::string ref = trimmedText(ui.txtRef);
        if (!ref.empty() || rs_->Field("ref"))
            rs_->SetField("ref", ref);
        rs_->Update();
    } catch (const store::RecoverableError& error) {
        refused(error);
    }
}

void frmEdit::cmdDel_Click() {
    if (!shown_)
        return;
    if (MsgBox("Are you sure you want to delete this record?", vbYesNo, "Confirm Deletion") !=
        vbYes)
        return;
    // Deleted while the row shown is current, before moving on, so that a
    // row changed or deleted elsewhere since it was shown stays as it is.
    try {
        rs_->Delete();
    } catch (const store::RecoverableError& error) {
        return refused(error);
    }
    if (rs_->RecordCount() == 0)
        return showNoRow();
    cmdNext_Click();
}

void frmEdit::refused(const store::RecoverableError& error) {
    using Kind = store::RecoverableError::Kind;
    const QString text = QString::fromUtf8(error.what());
    switch (error.kind()) {
    case Kind::RowChanged:
        MsgBox(text + QStringLiteral(" It is shown again as it is stored now."), vbExclamation);
        showCurrentRow();
        break;
    case Kind::RowGone:
        MsgBox(text + QStringLiteral(" The word after it is shown."), vbExclamation);
        cmdNext_Click();
        break;
    default:
        // Locked, read-only or a full disk: the boxes keep what was typed.
        MsgBox(text, vbExclamation);
        break;
    }
}

void frmEdit::cmdExit_Click() {
    hideScreen();
    refs::get<app::Form2>(services()).showScreen();
    closeTable();
    refs::unload<frmEdit>();
}

void frmEdit::closeTable() {
    rs_->Close();
    db_->Close();
}

} // namespace lexitor::editor
