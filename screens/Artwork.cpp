#include "screens/Artwork.h"

#include "screens/Pictures.h"

namespace lexitor::screens {

QPixmap pictureFor(Picture picture) {
    switch (picture) {
    case Picture::MenuBackground:
        return menuBackground();
    case Picture::MenuAddWords:
        return menuButtonPicture(MenuButton::AddWords);
    case Picture::MenuEditWords:
        return menuButtonPicture(MenuButton::EditWords);
    case Picture::MenuTakeTest:
        return menuButtonPicture(MenuButton::TakeTest);
    case Picture::MenuExit:
        return menuButtonPicture(MenuButton::Exit);
    case Picture::HelpCursor:
    case Picture::None:
        break;
    }
    return {};
}

QIcon windowIconFor(WindowIcon icon) {
    switch (icon) {
    case WindowIcon::Menu:
        return menuIcon();
    case WindowIcon::AddRecords:
        return addRecordsIcon();
    case WindowIcon::Edit:
        return editIcon();
    case WindowIcon::Chooser:
        return chooserIcon();
    case WindowIcon::None:
        break;
    }
    return {};
}

QCursor cursorFor(Picture picture) {
    return picture == Picture::HelpCursor ? helpCursor() : QCursor();
}

} // namespace lexitor::screens
