#pragma once

namespace lexitor::screens {

class Screen;

// Builds a screen's window and controls from its table.
class ScreenBuilder {
public:
    static void build(Screen& screen);
};

// Registers close substitutes for the named faces the screens use.
void installFontSubstitutes();

} // namespace lexitor::screens
