#include "app/Program.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>

namespace lexitor::app {

namespace {
std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}
std::function<bool(const QUrl&)>& urlOpener() {
    static std::function<bool(const QUrl&)> opener;
    return opener;
}
} // namespace

void endProgram() {
    if (endHandler())
        endHandler()();
    else
        QCoreApplication::exit(0);
}

void setEndProgramHandler(std::function<void()> handler) {
    endHandler() = std::move(handler);
}

void openHelpPage() {
    const QUrl page = QUrl::fromLocalFile(QDir::current().absoluteFilePath("readme.html"));
    if (urlOpener())
        urlOpener()(page);
    else
        QDesktopServices::openUrl(page);
}

void setUrlOpener(std::function<bool(const QUrl&)> opener) {
    urlOpener() = std::move(opener);
}

} // namespace lexitor::app
