#include "screens/tables/frmLoginTable.h"

namespace lexitor::screens {

const ScreenTable<frmLoginControls>& frmLoginTable() {
    using C = frmLoginControls;
    // clang-format off
    static const ScreenTable<C> table{{
        .name = "frmLogin",
        .title = "Login",
        .clientWidth = 3750,
        .clientHeight = 1545,
        .icon = WindowIcon::Edit,
        }, {
            {&C::lbluser, {.name = "lbluser", .text = "&User Name:",
             .place = {105, 150, 1080, 270}, .tab = 0}},
            {&C::txtUser, {.name = "txtUser", .place = {1290, 135, 2325, 345}, .tab = 1,
             .accessibleName = "User Name"}},
            {&C::lblPass, {.name = "lblPass", .text = "&Password:",
             .place = {105, 540, 1080, 270}, .tab = 2}},
            {&C::txtPass, {.name = "txtPass", .place = {1290, 525, 2325, 345}, .tab = 3,
             .roles = Password,
             .accessibleName = "Password"}},
            {&C::cmdOK, {.name = "cmdOK", .text = "OK", .place = {480, 1020, 1140, 390},
             .tab = 4, .roles = Default}},
            {&C::cmdCancel, {.name = "cmdCancel", .text = "Cancel",
             .place = {2100, 1020, 1140, 390}, .tab = 5, .roles = Cancel}},
    }};
    // clang-format on
    return table;
}

} // namespace lexitor::screens
