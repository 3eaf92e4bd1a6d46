#pragma once
// Pictures stored as raw pixels: a 16-byte header ("LXPX", width, height,
// bytes per line, little-endian 32-bit) followed by premultiplied ARGB32
// rows. Used for the pictures compiled into the program, which are then
// read without decoding.

#include <QByteArray>
#include <QImage>

namespace lexitor::screens {

QByteArray encodeRawPicture(const QImage& image);
// A null image when the data is not a raw picture. The image refers to
// `data`, which must outlive it (resources do).
QImage decodeRawPicture(const uchar* data, qsizetype size);

} // namespace lexitor::screens
