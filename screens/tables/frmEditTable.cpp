#include "screens/tables/frmEditTable.h"

namespace lexitor::screens {

namespace {
constexpr QRgb kTeal = 0x008080;
constexpr QRgb kBlack = 0x000000;
} // namespace

const ScreenTable<frmEditControls>& frmEditTable() {
    using C = frmEditControls;
    // clang-format off
    static const ScreenTable<C> table{{
        .name = "frmEdit",
        .title = "Edit Database",
        .clientWidth = 4695,
        .clientHeight = 4770,
        .background = kBlack,
        .icon = WindowIcon::Edit,
        }, {
            {&C::txtWord, {.name = "txtWord", .place = {1200, 480, 1575, 375}, .tab = 0,
             .accessibleName = "Word"}},
            {&C::lblWords, {.name = "lblWords", .text = "Word", .place = {240, 600, 855, 255},
             .tab = 1, .font = {"MS Sans Serif", 9.75}, .foreground = kTeal, .background = kBlack}},
            {&C::cmdFind, {.name = "cmdFind", .text = "&Find",
             .place = {3360, 480, 1095, 375}, .tab = 2}},
            {&C::lblAns, {.name = "lblAns", .text = "Answer", .place = {120, 1200, 735, 255},
             .tab = 3, .font = {"MS Sans Serif", 9.75}, .foreground = kTeal, .background = kBlack}},
            {&C::txtAns, {.name = "txtAns", .place = {1200, 1200, 1575, 375}, .tab = 4,
             .accessibleName = "Answer"}},
            {&C::lblChoices, {.name = "lblChoices", .text = "Choices",
             .place = {0, 1800, 975, 375}, .tab = 5, .foreground = kTeal, .background = kBlack}},
            {&C::txtC1, {.name = "txtC1", .place = {240, 2280, 1695, 375}, .tab = 6,
             .accessibleName = "Choice 1"}},
            {&C::txtC2, {.name = "txtC2", .place = {240, 2880, 1695, 375}, .tab = 7,
             .accessibleName = "Choice 2"}},
            {&C::txtC3, {.name = "txtC3", .place = {240, 3480, 1695, 405}, .tab = 8,
             .accessibleName = "Choice 3"}},
            {&C::cmdUpdate, {.name = "cmdUpdate", .text = "&Update",
             .place = {3360, 2280, 1095, 375}, .tab = 9}},
            {&C::cmdDel, {.name = "cmdDel", .text = "&Delete",
             .place = {3360, 2880, 1095, 375}, .tab = 10}},
            {&C::cmdExit, {.name = "cmdExit", .text = "&Exit",
             .place = {3360, 3480, 1095, 375}, .tab = 11}},
            {&C::cmdNext, {.name = "cmdNext", .text = "&Next",
             .place = {3360, 1080, 1095, 375}, .tab = 12}},
            {&C::cmdPrev, {.name = "cmdPrev", .text = "&Previous",
             .place = {3360, 1680, 1095, 375}, .tab = 13}},
            {&C::Label1, {.name = "Label1", .text = "Reference", .place = {0, 4080, 750, 195},
             .tab = 14, .roles = AutoSize, .foreground = kTeal, .background = kBlack}},
            {&C::txtRef, {.name = "txtRef", .place = {240, 4320, 1575, 375}, .tab = 15,
             .accessibleName = "Reference"}},
    }};
    // clang-format on
    return table;
}

} // namespace lexitor::screens
