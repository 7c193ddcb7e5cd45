#pragma once

#include <QSize>
#include <QString>

namespace velmora::tools {

// Size of every element picture in the element panel, in pixels.
inline constexpr int kPictureWidth = 240;
inline constexpr int kPictureHeight = 160;

// Renders the SVG drawing `svgPath` on a white 240 x 160 canvas and writes it as a 24-bit BMP
// to `bmpPath` (through a temporary file that is renamed at the end, so a failed run never
// leaves a half-written picture). Returns an empty string on success, else the reason.
QString RenderPicture(const QString& svgPath, const QString& bmpPath);

// Renders the drawing at `size` on a transparent canvas and writes it as a PNG (the pictures of
// the manual, the program's icon), in the same way.
QString RenderPng(const QString& svgPath, const QString& pngPath, QSize size);

}  // namespace velmora::tools
