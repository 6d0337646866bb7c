#include "platform/Graphics.h"
#include <cmath>

namespace {
// The classic desktop palette, as 0x00BBGGRR, indexed by system colour number.
constexpr TColor kSystemColors[] = {
    0xC8C8C8,  // scroll bar
    0x000000,  // desktop
    0xD1B499,  // active caption
    0xDBCDBF,  // inactive caption
    0xF0F0F0,  // menu
    0xFFFFFF,  // window
    0x646464,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0x000000,  // caption text
    0xB4B4B4,  // active border
    0xFCF7F4,  // inactive border
    0xABABAB,  // application work space
    0xD77800,  // highlight
    0xFFFFFF,  // highlight text
    0xF0F0F0,  // button face
    0xA0A0A0,  // button shadow
    0x6D6D6D,  // grey text
    0x000000,  // button text
    0x000000,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x696969,  // 3D dark shadow
    0xE3E3E3,  // 3D light
    0x000000,  // info text
    0xE1FFFF,  // info background
};
}  // namespace

TColor ColorToRGB(TColor color) {
  if ((static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u) {
    const int index = color & 0xFF;
    if (index >= 0 && index < static_cast<int>(sizeof kSystemColors / sizeof kSystemColors[0]))
      return kSystemColors[index];
    return 0;
  }
  return color & 0x00FFFFFF;
}

QColor ToQColor(TColor color) {
  const TColor c = ColorToRGB(color);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color) {
  return color.red() | (color.green() << 8) | (color.blue() << 16);
}

int FontPixelSize(int height) {
  if (height < 0) return -height;
  if (height == 0) return 11;
  // Arial's cell is 2288/2048 of its em square.
  return static_cast<int>(std::lround(height * 2048.0 / 2288.0));
}

QString FontFamilyFor(const QString& name) {
  static const QString kWindowsFaces[] = {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial")};
  for (const QString& face : kWindowsFaces)
    if (name.compare(face, Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Sans");
  return name;
}

QFont ToQFont(const TFont& font) {
  QFont f(FontFamilyFor(font.Name));
  f.setPixelSize(FontPixelSize(font.Height));
  f.setBold(font.Style & fsBold);
  f.setItalic(font.Style & fsItalic);
  f.setUnderline(font.Style & fsUnderline);
  f.setStrikeOut(font.Style & fsStrikeOut);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}
