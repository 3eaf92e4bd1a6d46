#include "screens/tables/Form2Table.h"

namespace lexitor::screens {

const ScreenTable<Form2Controls>& form2Table() {
    using C = Form2Controls;
    // clang-format off
    static const ScreenTable<C> table{{
        .name = "Form2",
        .title = "Make your Chioce",
        .border = Border::Sizable,
        .clientWidth = 5175,
        .clientHeight = 3900,
        .background = 0x000000,
        .backgroundPicture = Picture::MenuBackground,
        .icon = WindowIcon::Menu,
        }, {
            {&C::cmdEdit, {.name = "cmdEdit", .place = {2400, 240, 2175, 495},
             .tab = 0, .background = 0xFFFFFF, .picture = Picture::MenuAddWords,
             .accessibleName = "Add words"}},
            {&C::cmdEdit2, {.name = "cmdEdit2", .place = {120, 840, 2175, 495},
             .tab = 1, .background = 0xFFFFFF, .picture = Picture::MenuEditWords,
             .accessibleName = "Edit words"}},
            {&C::cmdtest, {.name = "cmdtest", .place = {2400, 2280, 2175, 495},
             .tab = 2, .roles = Default, .background = 0xFFFFFF, .picture = Picture::MenuTakeTest,
             .accessibleName = "Take the test"}},
            {&C::cmdExit, {.name = "cmdExit", .place = {240, 2880, 2295, 495},
             .tab = 3, .roles = Cancel, .background = 0xFFFFFF,
             .toolTip = "You can hit \"Esc\" to activate this button", .picture = Picture::MenuExit,
             .accessibleName = "Exit"}},
            {&C::Label1, {.name = "Label1", .text = "?", .place = {4680, 3000, 180, 435},
             .tab = 4, .roles = AutoSize | Underline, .font = {"MS Sans Serif", 18},
             .foreground = 0xFF0000, .background = 0x000000, .picture = Picture::HelpCursor,
             .accessibleName = "Help"}},
            // Beside the designed buttons, in room neither they nor the title take.
            {&C::cmdReview, {.name = "cmdReview", .text = "&Review", .place = {120, 2280, 2175, 495},
             .tab = 5, .background = 0xFFFFFF, .accessibleName = "Review"}},
    }};
    // clang-format on
    return table;
}

} // namespace lexitor::screens
