#pragma once
// The screen catalogue as data: one table per screen, read by one builder
// (ScreenBuilder). Places and sizes are in twips; colours are RGB.

#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

namespace lexitor::screens {

enum class Kind { Label, TextBox, Button, PictureButton, Option, Line };

// Keyboard and behaviour roles that a control can carry.
enum Role : unsigned {
    NoRole = 0,
    Default = 1u << 0,      // Enter anywhere on the screen presses it
    Cancel = 1u << 1,       // Esc anywhere on the screen presses it
    AutoSize = 1u << 2,     // the label fits itself to its text
    WordWrap = 1u << 3,     // with AutoSize: keep the width, grow downwards
    Hidden = 1u << 4,       // invisible at start
    ReadOnly = 1u << 5,     // a locked text box
    Password = 1u << 6,     // shows "*" for every character, no input method
    NoValidation = 1u << 7, // focus arriving here does not validate the control it leaves
    Underline = 1u << 8,    // underlined font
    Live = 1u << 9,         // a result: assistive technology announces every change
};

enum class Picture {
    None,
    MenuBackground,
    MenuAddWords,
    MenuEditWords,
    MenuTakeTest,
    MenuExit,
    HelpCursor,
};

enum class WindowIcon { None, Menu, AddRecords, Edit, Chooser };
enum class Border { Sizable, FixedSingle, None };

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct FontChoice {
    QString family; // empty: the screen's default font
    double points = 0;
};

struct ControlLayout {
    Kind kind = Kind::Label;
    QString name; // object name; an array element is "optSel(2)"
    QString text; // caption or initial text; "&" marks the access key
    Rect place;   // for a line: x1, y1, x2, y2
    int tab = -1; // tab position; -1 for lines
    unsigned roles = NoRole;
    FontChoice font;
    std::optional<QRgb> foreground;
    std::optional<QRgb> background;
    QString toolTip;
    Picture picture = Picture::None;
    int lineWidth = 1; // pixels, lines only
    // What the control is to assistive technology, where its caption does
    // not say it; a label that shows data is named by this and the data.
    QString accessibleName;
    // Options and wrapping labels: the larger box a text that does not fit
    // its place may take (a label still keeps clear of shown controls).
    std::optional<Rect> room;
};

struct ScreenLayout {
    QString name;  // Form2, frmLogin, ...
    QString title; // window title
    Border border = Border::FixedSingle;
    int clientWidth = 0, clientHeight = 0; // twips
    std::optional<Rect> fixedPlace;        // client top-left on the screen; else centred
    std::optional<QRgb> background;
    Picture backgroundPicture = Picture::None;
    WindowIcon icon = WindowIcon::None;
    QString accessibleName; // where the title does not say what the window is
    std::vector<ControlLayout> controls;
};

const ScreenLayout& form2Table();
const ScreenLayout& frmLoginTable();
const ScreenLayout& frmChoiceTable();
const ScreenLayout& form1Table();
const ScreenLayout& frmEditTable();
const ScreenLayout& frmTestTable();

} // namespace lexitor::screens
