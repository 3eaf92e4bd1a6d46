// Runs at build time on the offscreen platform and writes what the program
// draws, so that no image has to be kept in the repository:
//   lexitor-make-pictures DIR           the screens' pictures, icons and cursor
//                                       as raw pixel files (RawPicture.h),
//                                       compiled into the program uncompressed:
//                                       drawing them, or even decoding PNGs,
//                                       would take longer than the rest of start-up;
//   lexitor-make-pictures --icons DIR   the application icon as PNG files in the
//                                       hicolor theme layout, DIR/NxN/apps/lexitor.png.

#include "screens/pictures/Pictures.h"
#include "screens/pictures/RawPicture.h"

#include <QFile>

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace lexitor::screens;

namespace {

bool save(const QString& dir, const QString& name, const QPixmap& pixmap) {
    const QString path = dir + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(encodeRawPicture(pixmap.toImage())) > 0)
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool saveIcon(const QString& dir, const QString& name, const QIcon& icon,
              std::initializer_list<int> sizes) {
    for (int size : sizes)
        if (!save(dir, QStringLiteral("%1-%2.raw").arg(name).arg(size),
                  icon.pixmap(QSize(size, size))))
            return false;
    return true;
}

} // namespace

namespace {

bool writeScreenPictures(const QString& dir) {
    QDir().mkpath(dir);
    return save(dir, "menu-background.raw", menuBackground()) &&
           save(dir, "menu-add-words.raw", menuButtonPicture(MenuButton::AddWords)) &&
           save(dir, "menu-edit-words.raw", menuButtonPicture(MenuButton::EditWords)) &&
           save(dir, "menu-take-test.raw", menuButtonPicture(MenuButton::TakeTest)) &&
           save(dir, "menu-exit.raw", menuButtonPicture(MenuButton::Exit)) &&
           save(dir, "help-cursor.raw", helpCursor().pixmap()) &&
           saveIcon(dir, "icon-menu", menuIcon(), {16, 32}) &&
           saveIcon(dir, "icon-add-records", addRecordsIcon(), {16, 32}) &&
           saveIcon(dir, "icon-edit", editIcon(), {16, 32}) &&
           saveIcon(dir, "icon-chooser", chooserIcon(), {32});
}

bool writeApplicationIcons(const QString& outDir) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QString file = dir + QStringLiteral("/lexitor.png");
        if (!QDir().mkpath(dir) || !applicationIconImage(size).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 1)
        return writeScreenPictures(args[0]) ? 0 : 1;
    if (args.size() == 2 && args[0] == QLatin1String("--icons"))
        return writeApplicationIcons(args[1]) ? 0 : 1;
    std::fprintf(stderr, "usage: lexitor-make-pictures [--icons] DIR\n");
    return 2;
}
