#include "screens/tables/frmReviewTable.h"

namespace lexitor::screens {

const ScreenTable<frmReviewControls>& frmReviewTable() {
    using C = frmReviewControls;
    // clang-format off
    static const ScreenTable<C> table{{
        .name = "frmReview",
        .title = "Review",
        .clientWidth = 6480,
        .clientHeight = 4680,
        .icon = WindowIcon::Menu,
        }, {
            {&C::txtWord, {.name = "txtWord", .place = {1080, 240, 2880, 375}, .tab = 7,
             .roles = ReadOnly, .accessibleName = "Word"}},
            {&C::lblword, {.name = "lblword", .text = "Word", .place = {240, 270, 570, 300},
             .tab = 8, .roles = AutoSize, .font = {"MS Sans Serif", 12}}},
            {&C::lblProgress, {.name = "lblProgress", .place = {4200, 300, 2040, 255}, .tab = 9,
             .accessibleName = "Progress"}},
            // Read row by row: top left, top right, bottom left, bottom right.
            {{&C::optSel, 0}, {.name = "optSel(0)", .place = {120, 840, 3000, 855}, .tab = 0,
             .accessibleName = "Meaning 1"}},
            {{&C::optSel, 2}, {.name = "optSel(2)", .place = {3360, 840, 3000, 855}, .tab = 1,
             .accessibleName = "Meaning 3"}},
            {{&C::optSel, 1}, {.name = "optSel(1)", .place = {120, 1800, 3000, 855}, .tab = 2,
             .accessibleName = "Meaning 2"}},
            {{&C::optSel, 3}, {.name = "optSel(3)", .place = {3360, 1800, 3000, 855}, .tab = 3,
             .accessibleName = "Meaning 4"}},
            {&C::lblRight, {.name = "lblRight", .text = "Right", .place = {120, 2790, 600, 300},
             .tab = 10, .roles = AutoSize | Hidden | Live, .font = {"MS Sans Serif", 12},
             .foreground = 0x00C000}},
            {&C::lblWrong, {.name = "lblWrong", .text = "Wrong", .place = {120, 2790, 600, 300},
             .tab = 11, .roles = AutoSize | Hidden | Live, .font = {"MS Sans Serif", 12},
             .foreground = 0xFF0000}},
            {&C::lblMeaning, {.name = "lblMeaning", .place = {960, 2820, 5400, 255}, .tab = 12,
             .roles = AutoSize | WordWrap | Hidden | Live, .accessibleName = "Right meaning",
             .room = Rect{960, 2820, 5400, 480}}},
            {&C::lblRef, {.name = "lblRef", .place = {960, 3360, 5400, 255}, .tab = 13,
             .roles = AutoSize | WordWrap, .accessibleName = "Reference",
             .room = Rect{960, 3360, 5400, 600}}},
            {&C::cmdHelp, {.name = "cmdHelp", .text = "&Help Me",
             .place = {120, 4080, 1215, 375}, .tab = 4}},
            {&C::cmdNext, {.name = "cmdNext", .text = "&Next",
             .place = {3840, 4080, 1095, 375}, .tab = 5, .roles = Default | Hidden}},
            {&C::cmdExit, {.name = "cmdExit", .text = "&Exit",
             .place = {5160, 4080, 1095, 375}, .tab = 6, .roles = Cancel}},
            // The summary takes the question's place at the end.
            {&C::lblSummary, {.name = "lblSummary", .place = {240, 240, 6000, 255}, .tab = 14,
             .roles = AutoSize | WordWrap | Hidden | Live, .accessibleName = "Summary",
             .room = Rect{240, 240, 6000, 480}}},
            {&C::lblMissed, {.name = "lblMissed", .place = {240, 780, 6000, 255}, .tab = 15,
             .roles = AutoSize | WordWrap | Hidden, .accessibleName = "Missed",
             .room = Rect{240, 780, 6000, 1500}}},
            {&C::lblChartCap, {.name = "lblChartCap", .text = "Words due in the next 14 days",
             .place = {240, 2400, 3000, 255}, .tab = 16, .roles = AutoSize | Hidden}},
            {&C::lblChart, {.name = "lblChart", .place = {240, 2700, 6000, 1200}, .tab = 17,
             .roles = Hidden, .accessibleName = "Words due in the next 14 days"}},
    }};
    // clang-format on
    return table;
}

} // namespace lexitor::screens
