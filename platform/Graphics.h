#pragma once
// Colours and fonts as the skins and the window layouts state them.
#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>

// A colour as 0x00BBGGRR; with the top byte FF it names a system colour.
using TColor = std::int32_t;

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor SystemColor(int index) { return clSystemColor | index; }
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);

// The one place where system colours are resolved: returns 0x00BBGGRR.
TColor ColorToRGB(TColor color);
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// A font as the layouts give it. Height < 0: character (em) height in pixels;
// Height > 0: cell height in pixels, internal leading included.
struct TFont {
  QString Name = QStringLiteral("MS Sans Serif");
  int Height = -11;
  TFontStyles Style = 0;
  TColor Color = clWindowText;
  int Charset = 1;  // DEFAULT_CHARSET

  static TFont Make(const QString& name, int height, TFontStyles style, TColor color = clWindowText) {
    TFont f;
    f.Name = name;
    f.Height = height;
    f.Style = style;
    f.Color = color;
    return f;
  }
  bool operator==(const TFont&) const = default;
};

// Pixel size of the em square for a font height.
int FontPixelSize(int height);
// The family a layout's font name is drawn with. The layouts name Windows
// faces: Liberation Sans has Arial's metrics, and left to fontconfig
// "MS Sans Serif" would come out as the wider DejaVu Sans. The face is
// named outright rather than left to Qt's substitutions: a family Qt cannot
// find makes it ask fontconfig for every fallback of the unknown name before
// it tries the substitute, the first time each font is drawn.
QString FontFamilyFor(const QString& name);
QFont ToQFont(const TFont& font);
