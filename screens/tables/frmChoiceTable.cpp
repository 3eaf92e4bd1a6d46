#include "screens/tables/frmChoiceTable.h"

namespace lexitor::screens {

const ScreenTable<frmChoiceControls>& frmChoiceTable() {
    using C = frmChoiceControls;
    // clang-format off
    static const ScreenTable<C> table{{
        .name = "frmChoice",
        .title = "Database Level",
        .clientWidth = 3315,
        .clientHeight = 2355,
        .fixedPlace = Rect{3480, 3330, 0, 0},
        .icon = WindowIcon::Chooser,
        }, {
            {&C::Command1, {.name = "Command1", .text = "Level &0",
             .place = {1680, 480, 1335, 375}, .tab = 0}},
            {&C::Command2, {.name = "Command2", .text = "Level &1",
             .place = {1680, 1080, 1335, 375}, .tab = 1}},
            {&C::Command3, {.name = "Command3", .text = "Level &2",
             .place = {1680, 1680, 1335, 375}, .tab = 2}},
            {&C::Label1, {.name = "Label1", .text = "Choose Level",
             .place = {0, 960, 1395, 300}, .tab = 3, .roles = AutoSize,
             .font = {"News Gothic MT", 11.25}}},
    }};
    // clang-format on
    return table;
}

} // namespace lexitor::screens
