#include "screens/ScreenTable.h"

namespace lexitor::screens {

const ScreenLayout& frmLoginTable() {
    // clang-format off
    static const ScreenLayout table{
        .name = "frmLogin",
        .title = "Login",
        .clientWidth = 3750,
        .clientHeight = 1545,
        .icon = WindowIcon::Edit,
        .controls = {
            {.kind = Kind::Label, .name = "lbluser", .text = "&User Name:",
             .place = {105, 150, 1080, 270}, .tab = 0},
            {.kind = Kind::TextBox, .name = "txtUser", .place = {1290, 135, 2325, 345}, .tab = 1,
             .accessibleName = "User Name"},
            {.kind = Kind::Label, .name = "lblPass", .text = "&Password:",
             .place = {105, 540, 1080, 270}, .tab = 2},
            {.kind = Kind::TextBox, .name = "txtPass", .place = {1290, 525, 2325, 345}, .tab = 3,
             .roles = Password,
             .accessibleName = "Password"},
            {.kind = Kind::Button, .name = "cmdOK", .text = "OK", .place = {480, 1020, 1140, 390},
             .tab = 4, .roles = Default},
            {.kind = Kind::Button, .name = "cmdCancel", .text = "Cancel",
             .place = {2100, 1020, 1140, 390}, .tab = 5, .roles = Cancel},
        },
    };
    // clang-format on
    return table;
}

} // namespace lexitor::screens
