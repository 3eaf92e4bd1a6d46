#pragma once
// "?" always shows the help: in the desktop's web browser when it has one
// for web pages, else in a plain window of our own. Starting xdg-open proves
// nothing (it starts whether or not anything can show a page), so the
// desktop is asked first, and a browser that ends with an error is followed
// by our own window too.

#include "screens/Services.h"

#include <QString>
#include <QUrl>

class QTextBrowser;

namespace lexitor::app {

// Whether the text of a desktop entry describes a web browser: its
// [Desktop Entry] group's Categories name WebBrowser.
bool isWebBrowserEntry(const QString& desktopEntry);

// Whether the desktop's default program for text/html, as xdg-mime names
// it, is a web browser whose program is installed.
bool desktopHasWebBrowser();

// Opens the page through xdg-open when the desktop has a web browser, and
// shows it in our own window after all should xdg-open end with an error.
// False, having started nothing, when there is no browser to try. What
// happens when xdg-open ends runs guarded by `services`.
bool openInWebBrowser(const QUrl& page, const screens::Services& services);

// Shows the page in our own window (one window, brought to the front and
// reloaded when already open); Esc or its close box hides it.
void showHelpWindow(const QUrl& page);
// Our window, once made; destroyed when the program quits, and by tests.
QTextBrowser* helpWindow();
void closeHelpWindow();

} // namespace lexitor::app
