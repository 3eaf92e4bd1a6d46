#include "screens/Artwork.h"

#include "screens/pictures/Pictures.h"
#include "screens/pictures/RawPicture.h"

#include <QResource>
#include <QString>

namespace lexitor::screens {

// At one device pixel to the pixel the pictures come ready drawn from the
// program itself, the fastest start; at any other ratio they are drawn for
// it, since a scaled picture is blurred.
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

QPixmap pictureFor(Picture picture, qreal ratio) {
    const bool ready = ratio == 1;
    switch (picture) {
    case Picture::MenuBackground:
        return ready ? stored(QStringLiteral("menu-background.raw")) : menuBackground(ratio);
    case Picture::MenuAddWords:
        return ready ? stored(QStringLiteral("menu-add-words.raw"))
                     : menuButtonPicture(MenuButton::AddWords, ratio);
    case Picture::MenuEditWords:
        return ready ? stored(QStringLiteral("menu-edit-words.raw"))
                     : menuButtonPicture(MenuButton::EditWords, ratio);
    case Picture::MenuTakeTest:
        return ready ? stored(QStringLiteral("menu-take-test.raw"))
                     : menuButtonPicture(MenuButton::TakeTest, ratio);
    case Picture::MenuExit:
        return ready ? stored(QStringLiteral("menu-exit.raw"))
                     : menuButtonPicture(MenuButton::Exit, ratio);
    case Picture::HelpCursor:
    case Picture::None:
        break;
    }
    return {};
}

QIcon windowIconFor(WindowIcon icon, qreal ratio) {
    const bool ready = ratio == 1;
    switch (icon) {
    case WindowIcon::Menu:
        return ready ? storedIcon("icon-menu", {16, 32}) : menuIcon(ratio);
    case WindowIcon::AddRecords:
        return ready ? storedIcon("icon-add-records", {16, 32}) : addRecordsIcon(ratio);
    case WindowIcon::Edit:
        return ready ? storedIcon("icon-edit", {16, 32}) : editIcon(ratio);
    case WindowIcon::Chooser:
        return ready ? storedIcon("icon-chooser", {32}) : chooserIcon(ratio);
    case WindowIcon::None:
        break;
    }
    return {};
}

QCursor cursorFor(Picture picture, qreal ratio) {
    if (picture != Picture::HelpCursor)
        return {};
    if (ratio != 1)
        return helpCursor(ratio);
    return QCursor(stored(QStringLiteral("help-cursor.raw")), 12, 1); // hot spot at the fingertip
}

} // namespace lexitor::screens
