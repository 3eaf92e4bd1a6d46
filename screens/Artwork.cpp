#include "screens/Artwork.h"

#include "screens/RawPicture.h"

#include <QResource>
#include <QString>

namespace lexitor::screens {

namespace {

QPixmap stored(const QString& name) {
    const QResource resource(QStringLiteral(":/pictures/") + name);
    return QPixmap::fromImage(
        decodeRawPicture(resource.data(), static_cast<qsizetype>(resource.size())));
}

QIcon storedIcon(const char* name, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes)
        icon.addPixmap(stored(QStringLiteral("%1-%2.raw").arg(QLatin1String(name)).arg(size)));
    return icon;
}

} // namespace

QPixmap pictureFor(Picture picture) {
    switch (picture) {
    case Picture::MenuBackground:
        return stored(QStringLiteral("menu-background.raw"));
    case Picture::MenuAddWords:
        return stored(QStringLiteral("menu-add-words.raw"));
    case Picture::MenuEditWords:
        return stored(QStringLiteral("menu-edit-words.raw"));
    case Picture::MenuTakeTest:
        return stored(QStringLiteral("menu-take-test.raw"));
    case Picture::MenuExit:
        return stored(QStringLiteral("menu-exit.raw"));
    case Picture::HelpCursor:
    case Picture::None:
        break;
    }
    return {};
}

QIcon windowIconFor(WindowIcon icon) {
    switch (icon) {
    case WindowIcon::Menu:
        return storedIcon("icon-menu", {16, 32});
    case WindowIcon::AddRecords:
        return storedIcon("icon-add-records", {16, 32});
    case WindowIcon::Edit:
        return storedIcon("icon-edit", {16, 32});
    case WindowIcon::Chooser:
        return storedIcon("icon-chooser", {32});
    case WindowIcon::None:
        break;
    }
    return {};
}

QCursor cursorFor(Picture picture) {
    if (picture != Picture::HelpCursor)
        return {};
    return QCursor(stored(QStringLiteral("help-cursor.raw")), 12, 1); // hot spot at the fingertip
}

} // namespace lexitor::screens
