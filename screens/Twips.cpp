#include "screens/Twips.h"

namespace lexitor::screens {

QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

QPoint twipsPoint(int x, int y) {
    return {twipsToPixels(x), twipsToPixels(y)};
}

} // namespace lexitor::screens
