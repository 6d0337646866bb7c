#include "tools/skinmaker/SkinDescription.h"

#include "tools/skinmaker/DescriptionWriter.h"

void TDescription::Section(const char* name) {
  if (!FLines.isEmpty()) FLines << QString();
  FLines << QStringLiteral("[%1]").arg(QLatin1String(name));
}

void TDescription::Key(const char* key, const QString& value) {
  FLines << QLatin1String(key) + QLatin1Char('=') + value;
}

void TDescription::Int(const char* key, int v) { Key(key, QString::number(v)); }

void TDescription::Rect(const char* key, const TRect& r) {
  Key(key, QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom));
}

void TDescription::Point(const char* key, const QPoint& p) { Key(key, QStringLiteral("%1,%2").arg(p.x()).arg(p.y())); }

void TDescription::Color(const char* key, const QColor& c) {
  Int(key, (c.blue() << 16) | (c.green() << 8) | c.red());
}

void TDescription::Points(const TbsCornerPoints& p) {
  Point("lefttoppoint", p.LeftTop);
  Point("righttoppoint", p.RightTop);
  Point("leftbottompoint", p.LeftBottom);
  Point("rightbottompoint", p.RightBottom);
}

void TDescription::Layout(const TbsPieceLayout& l) {
  Points(l.Points);
  Rect("clientrect", l.ClientRect);
  Int("leftstretch", l.Stretch.Left);
  Int("topstretch", l.Stretch.Top);
  Int("rightstretch", l.Stretch.Right);
  Int("bottomstretch", l.Stretch.Bottom);
  Int("stretcheffect", l.Stretch.Client);
}

void TDescription::Piece(int picture, const TRect& skin, const TbsPieceLayout& l) {
  Int("pictureindex", picture);
  Rect("skinrect", skin);
  Points(l.Points);
  Rect("clientrect", l.ClientRect);
  Int("stretcheffect", l.Stretch.Client);
}

void TDescription::Corners(const TRect& r, int border, int client) {
  const int w = r.Width(), h = r.Height(), c = client < 0 ? border : client;
  Layout({InsetPoints({w, h}, border), {c, c, w - c, h - c}, {true, true, true, true, true}});
}

void TDescription::Font(const TTheme& t, bool bold) {
  Key("fontname", QStringLiteral("Arial"));
  Int("fontheight", 14);
  Key("fontstyle", bold ? QStringLiteral("[fsbold]") : QString());
  Color("fontcolor", t.Text);
}

TbsCornerPoints InsetPoints(QSize size, int border) {
  const int w = size.width(), h = size.height();
  return {{border, border}, {w - border, border}, {border, h - border}, {w - border, h - border}};
}

QStringList Describe(const TSkin& s) {
  TDescription d;
  DescribeFrame(d, s);
  DescribeControls(d, s);
  return d.Lines();
}

QByteArray DescriptionFile(const TSkin& s) {
  QByteArray text;
  for (const QString& line : Describe(s)) text += EncodeCp1251(line) + "\r\n";
  return text;
}
