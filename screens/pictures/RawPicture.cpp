#include "screens/pictures/RawPicture.h"

#include <QtEndian>

#include <cstring>

namespace lexitor::screens {

namespace {
constexpr char kMagic[4] = {'L', 'X', 'P', 'X'};
constexpr qsizetype kHeader = 16;
} // namespace

QByteArray encodeRawPicture(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray out(kHeader, '\0');
    std::memcpy(out.data(), kMagic, 4);
    qToLittleEndian<quint32>(pixels.width(), out.data() + 4);
    qToLittleEndian<quint32>(pixels.height(), out.data() + 8);
    qToLittleEndian<quint32>(pixels.bytesPerLine(), out.data() + 12);
    out.append(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes());
    return out;
}

QImage decodeRawPicture(const uchar* data, qsizetype size) {
    if (!data || size < kHeader || std::memcmp(data, kMagic, 4) != 0)
        return {};
    const auto width = qFromLittleEndian<quint32>(data + 4);
    const auto height = qFromLittleEndian<quint32>(data + 8);
    const auto stride = qFromLittleEndian<quint32>(data + 12);
    if (width == 0 || height == 0 || stride < width * 4 ||
        size - kHeader < static_cast<qsizetype>(stride) * height)
        return {};
    return QImage(data + kHeader, static_cast<int>(width), static_cast<int>(height),
                  static_cast<qsizetype>(stride), QImage::Format_ARGB32_Premultiplied);
}

} // namespace lexitor::screens
