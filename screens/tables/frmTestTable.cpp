#include "screens/tables/frmTestTable.h"

namespace lexitor::screens {

const ScreenTable<frmTestControls>& frmTestTable() {
    using C = frmTestControls;
    // clang-format off
    static const ScreenTable<C> table{{
        .name = "frmTest",
        .title = "Form3",
        .border = Border::None,
        .clientWidth = 5595,
        .clientHeight = 3750,
        .accessibleName = "Quiz",
        }, {
            {&C::cmdcorrectme, {.name = "cmdcorrectme", .text = "Correct me",
             .place = {3960, 1320, 1095, 375}, .tab = 0, .roles = Hidden}},
            {&C::cmdDone, {.name = "cmdDone", .text = "&Done",
             .place = {1200, 3240, 975, 375}, .tab = 1, .roles = Hidden}},
            {&C::cmdHelp, {.name = "cmdHelp", .text = "&Help Me",
             .place = {3480, 240, 1215, 375}, .tab = 2}},
            // A meaning too long for its place takes the option's quarter of
            // the free room between the word and the answer below: five lines
            // of 8 pt text, which every meaning up to 80 characters needs at most.
            {{&C::optSel, 3}, {.name = "optSel(3)", .text = "Option1",
             .place = {2040, 1920, 1575, 735}, .tab = 3, .room = Rect{2010, 1710, 1935, 945}}},
            {{&C::optSel, 2}, {.name = "optSel(2)", .text = "Option1",
             .place = {2040, 960, 1575, 735}, .tab = 4, .room = Rect{2010, 630, 1935, 1065}}},
            {{&C::optSel, 1}, {.name = "optSel(1)", .text = "Option1",
             .place = {120, 1920, 1695, 615}, .tab = 5, .room = Rect{30, 1710, 1965, 915}}},
            {{&C::optSel, 0}, {.name = "optSel(0)", .text = "Option1",
             .place = {120, 840, 1575, 855}, .tab = 6, .room = Rect{30, 630, 1965, 1065}}},
            {&C::cmdSubmit, {.name = "cmdSubmit", .text = "&Submit",
             .place = {3960, 2040, 1215, 375}, .tab = 7}},
            {&C::txtWord, {.name = "txtWord", .place = {1320, 240, 1575, 375}, .tab = 8,
             .roles = ReadOnly,
             .accessibleName = "Word"}},
            {&C::lblStatIncorrect, {.name = "lblStatIncorrect", .text = "Wrong!!",
             .place = {4080, 840, 690, 315}, .tab = 9, .roles = AutoSize | Hidden | Live,
             .font = {"Papyrus", 9.75}, .foreground = 0xFF0000}},
            {&C::lblStatCorrect, {.name = "lblStatCorrect", .text = "Correct",
             .place = {4080, 840, 510, 195}, .tab = 10, .roles = AutoSize | Hidden | Live,
             .foreground = 0x00C000}},
            {&C::lblRef, {.name = "lblRef", .place = {3240, 2760, 45, 195}, .tab = 11,
             .roles = AutoSize | WordWrap, .accessibleName = "Reference"}},
            {&C::lblRefCap, {.name = "lblRefCap", .text = "Ref", .place = {2760, 2760, 375, 195},
             .tab = 12, .roles = AutoSize}},
            // Above Done, while helping, a long answer starts level with its
            // caption "Correct Answer": three lines instead of two.
            {&C::lblCans, {.name = "lblCans", .place = {840, 2760, 45, 195}, .tab = 13,
             .roles = AutoSize | WordWrap | Live, .accessibleName = "Correct answer",
             .room = Rect{840, 2655, 1890, 1095}}},
            {&C::lblcorrect, {.name = "lblcorrect", .text = "Correct Answer",
             .place = {120, 2640, 720, 390}, .tab = 14, .roles = AutoSize | WordWrap}},
            {&C::lblword, {.name = "lblword", .text = "Word", .place = {360, 240, 570, 300},
             .tab = 15, .roles = AutoSize, .font = {"MS Sans Serif", 12}}},
            {&C::lblinfo, {.name = "lblinfo", .place = {4080, 2760, 855, 375}, .tab = 16,
             .accessibleName = "Level"}},
    }};
    // clang-format on
    return table;
}

} // namespace lexitor::screens
