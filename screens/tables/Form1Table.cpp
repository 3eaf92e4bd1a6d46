#include "screens/tables/Form1Table.h"

namespace lexitor::screens {

namespace {
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kOrange = 0xFF8000;
constexpr QRgb kBlack = 0x000000;
} // namespace

const ScreenTable<Form1Controls>& form1Table() {
    using C = Form1Controls;
    // clang-format off
    static const ScreenTable<C> table{{
        .name = "Form1",
        .title = "Add Records",
        .clientWidth = 7200,
        .clientHeight = 4425,
        .background = kBlack,
        .icon = WindowIcon::AddRecords,
        }, {
            {&C::txtWord, {.name = "txtWord", .place = {1560, 1080, 1695, 375}, .tab = 0,
             .accessibleName = "Words"}},
            {&C::txtAns, {.name = "txtAns", .place = {1560, 1680, 1695, 375}, .tab = 1,
             .accessibleName = "Answer"}},
            {&C::txtlevel, {.name = "txtlevel", .place = {1560, 2280, 375, 375}, .tab = 2,
             .roles = NoValidation, .toolTip = "Valid values are 0,1,2",
             .accessibleName = "Level"}},
            {&C::txtC1, {.name = "txtC1", .place = {5160, 240, 1695, 375}, .tab = 3,
             .accessibleName = "Choice 1"}},
            {&C::txtC2, {.name = "txtC2", .place = {5160, 960, 1695, 375}, .tab = 4,
             .accessibleName = "Choice 2"}},
            {&C::txtC3, {.name = "txtC3", .place = {5160, 1680, 1695, 375}, .tab = 5,
             .accessibleName = "Choice 3"}},
            {&C::txtRef, {.name = "txtRef", .place = {5160, 2400, 1695, 375}, .tab = 6,
             .accessibleName = "Reference"}},
            {&C::cmdAdd, {.name = "cmdAdd", .text = "&Add", .place = {1800, 3360, 1095, 495},
             .tab = 7, .roles = Default | NoValidation}},
            {&C::cmdExit2, {.name = "cmdExit2", .text = "&Exit",
             .place = {4680, 3360, 1215, 495}, .tab = 8, .roles = Cancel}},
            {&C::lblWords, {.name = "lblWords", .text = "&Words", .place = {480, 1080, 690, 300},
             .tab = 9, .roles = AutoSize, .font = {"MS Sans Serif", 12}, .foreground = kRed,
             .background = kBlack}},
            {&C::lblAns, {.name = "lblAns", .text = "&Answer", .place = {360, 1680, 795, 300},
             .tab = 10, .roles = AutoSize, .font = {"MS Sans Serif", 12}, .foreground = kRed,
             .background = kBlack}},
            {&C::lblchoice1, {.name = "lblchoice1", .text = "Choice &1",
             .place = {4080, 360, 735, 255}, .tab = 11, .foreground = kOrange, .background = kBlack}},
            {&C::Label1, {.name = "Label1", .text = "Choice &2",
             .place = {4080, 1080, 630, 195}, .tab = 12, .roles = AutoSize, .foreground = kOrange,
             .background = kBlack}},
            {&C::Label2, {.name = "Label2", .text = "Choice &3",
             .place = {4080, 1800, 630, 195}, .tab = 13, .roles = AutoSize, .foreground = kOrange,
             .background = kBlack}},
            {&C::lblRefer, {.name = "lblRefer", .text = "&Reference",
             .place = {4080, 2400, 945, 240}, .tab = 14, .roles = AutoSize,
             .font = {"MS Sans Serif", 9.75}, .foreground = kOrange, .background = kBlack}},
            {&C::lblLevel, {.name = "lblLevel", .text = "&Level", .place = {360, 2280, 555, 300},
             .tab = 15, .roles = AutoSize, .font = {"MS Sans Serif", 12}, .foreground = kRed,
             .background = kBlack}},
            {&C::Label3, {.name = "Label3", .text = "Lexitor", .place = {240, 240, 3015, 615},
             .tab = 16, .roles = Underline, .font = {"Lucida Handwriting", 24},
             .foreground = 0xFF00FF, .background = kBlack}},
            {&C::Line1, {.name = "Line1", .place = {3840, 0, 3840, 3000},
             .foreground = 0x804000, .lineWidth = 2}},
            {&C::Line2, {.name = "Line2", .place = {0, 3000, 7200, 3000},
             .foreground = 0x808000, .lineWidth = 2}},
    }};
    // clang-format on
    return table;
}

} // namespace lexitor::screens
