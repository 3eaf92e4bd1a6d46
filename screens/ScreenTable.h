#pragma once
// The screen catalogue as data: one table per screen (screens/tables/), read
// by one builder (ScreenBuilder). Places and sizes are in twips; colours are
// RGB. Each row of a table names the member of the screen's controls struct
// that the control it makes fills; the member's type is the control's kind.

#include <QRgb>
#include <QString>

#include <array>
#include <initializer_list>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

class QLineEdit;
class QPushButton;
class QWidget;

namespace lexitor::screens {

class Label;
class Line;
class OptionButton;

enum class Kind { Label, TextBox, Button, Option, Line };

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
    QString name; // object name; an array element is "optSel(2)"
    QString text; // caption or initial text; "&" marks the access key
    Rect place;   // for a line: x1, y1, x2, y2
    int tab = -1; // tab position; -1 for lines
    unsigned roles = NoRole;
    FontChoice font;
    std::optional<QRgb> foreground;
    std::optional<QRgb> background;
    QString toolTip;
    Picture picture = Picture::None; // a button's picture (then it has no caption), a label's cursor
    int lineWidth = 1; // pixels, lines only
    // What the control is to assistive technology, where its caption does
    // not say it; a label that shows data is named by this and the data.
    QString accessibleName;
    // Options and wrapping labels: the larger box a text that does not fit
    // its place may take (a label still keeps clear of shown controls).
    std::optional<Rect> room;
};

struct WindowLayout {
    QString name;  // Form2, frmLogin, ...
    QString title; // window title
    Border border = Border::FixedSingle;
    int clientWidth = 0, clientHeight = 0; // twips
    std::optional<Rect> fixedPlace;        // client top-left on the screen; else centred
    std::optional<QRgb> background;
    Picture backgroundPicture = Picture::None;
    WindowIcon icon = WindowIcon::None;
    QString accessibleName; // where the title does not say what the window is
};

// A control as the builder reads it: its kind, from the member it fills,
// and its layout.
struct BuildRow {
    Kind kind = Kind::Label;
    ControlLayout design;
};

struct ScreenLayout {
    WindowLayout window;
    std::vector<BuildRow> controls;
};

// The catalogue's one control array: the quiz's four answer options.
using OptionButtons = std::array<OptionButton*, 4>;

// The member of the controls struct C that a row's control is put into.
// Taken only at compile time: a row cannot name a member of another
// screen's struct, nor an option index outside the array.
template <typename C> class Fills {
public:
    consteval Fills(Label* C::*member) : member_(member), kind_(Kind::Label) {}
    consteval Fills(QLineEdit* C::*member) : member_(member), kind_(Kind::TextBox) {}
    consteval Fills(QPushButton* C::*member) : member_(member), kind_(Kind::Button) {}
    consteval Fills(OptionButtons C::*array, int index)
        : member_(array), kind_(Kind::Option), index_(index) {
        if (index < 0 || index >= int(std::tuple_size_v<OptionButtons>))
            throw "option index outside the array";
    }
    consteval Fills(Line* C::*member) : member_(member), kind_(Kind::Line) {}

    Kind kind() const { return kind_; }

    // `widget` was made for this row's kind, so it is of the member's type.
    // (Instantiated where the widget classes are complete: ScreenWith.)
    void fill(C& controls, QWidget* widget) const {
        std::visit(
            [&](auto member) {
                auto& slot = controls.*member;
                if constexpr (std::is_same_v<decltype(member), OptionButtons C::*>)
                    slot[index_] = static_cast<std::remove_reference_t<decltype(slot[0])>>(widget);
                else
                    slot = static_cast<std::remove_reference_t<decltype(slot)>>(widget);
            },
            member_);
    }

private:
    std::variant<Label* C::*, QLineEdit* C::*, QPushButton* C::*, OptionButtons C::*, Line* C::*>
        member_;
    Kind kind_;
    int index_ = -1;
};

template <typename C> struct ControlRow {
    Fills<C> fills;
    ControlLayout design;
};

// One screen's table: its window, and its controls filling the struct C.
template <typename C> class ScreenTable {
public:
    ScreenTable(WindowLayout window, std::initializer_list<ControlRow<C>> rows)
        : layout_{std::move(window), {}} {
        for (const ControlRow<C>& row : rows) {
            layout_.controls.push_back({row.fills.kind(), row.design});
            fills_.push_back(row.fills);
        }
    }

    const ScreenLayout& layout() const { return layout_; }
    // The struct filled with the controls made for the rows, in row order.
    C controls(const std::vector<QWidget*>& made) const {
        C controls;
        for (std::size_t row = 0; row < fills_.size(); ++row)
            fills_[row].fill(controls, made[row]);
        return controls;
    }

private:
    ScreenLayout layout_;
    std::vector<Fills<C>> fills_;
};

} // namespace lexitor::screens
