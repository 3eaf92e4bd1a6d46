#pragma once
// How the screens' own kinds of control present themselves to assistive
// technology: labels by what they are and show (a live one as a
// notification, which screen readers announce), lines as separators.

namespace lexitor::screens {

// Once per program, before the first screen is built.
void installAccessibility();

} // namespace lexitor::screens
