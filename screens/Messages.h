#pragma once
// Modal message boxes with the program's button-and-icon codes, shown
// through the services a screen was made with (screens/Services.h), which
// tests script.

#include <QString>

namespace lexitor::screens {

struct Services;

// Button-and-icon codes; add a buttons code and an icon code.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;

// Answer codes.
inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

inline const QString kApplicationTitle = QStringLiteral("Lexitor");

struct Message {
    QString text;
    QString title; // the shown title: the application title when none was given
    int code = vbOKOnly;
};

// Shows a modal message box through the services and returns the answer
// code. An empty title shows the application title.
int MsgBox(const Services& services, const QString& text, int code = vbOKOnly,
           const QString& title = {});

// The real message box, which the program's services show.
int showMessageBox(const Message& message);

} // namespace lexitor::screens
