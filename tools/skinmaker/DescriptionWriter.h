#pragma once
// Inside the skin description: the writer of sections and the value forms
// of our descriptions, and the two groups of sections.
#include "tools/skinmaker/SkinLayout.h"

#include <QColor>
#include <QStringList>

class TDescription {
public:
  // A "[name]" line, after a blank line unless it is the first.
  void Section(const char* name);
  void Key(const char* key, const QString& value);
  void Int(const char* key, int v);
  void Rect(const char* key, const TRect& r);     // "left,top,right,bottom"
  void Point(const char* key, const QPoint& p);   // "x,y"
  void Color(const char* key, const QColor& c);   // 0x00BBGGRR as a decimal number
  // "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint".
  void Points(const TbsCornerPoints& p);
  // The points, "clientrect", the four edge stretch flags (left, top,
  // right, bottom) and "stretcheffect" of a layout.
  void Layout(const TbsPieceLayout& l);
  // "pictureindex", "skinrect", the points, "clientrect" and
  // "stretcheffect" of a piece that grows one way only.
  void Piece(int picture, const TRect& skin, const TbsPieceLayout& l);
  // The layout of a piece of `r`'s size that composes at any size with
  // `border` pixels kept at each edge, its client rectangle `client` pixels
  // in (`border` when negative), everything stretched.
  void Corners(const TRect& r, int border, int client = -1);
  // Arial 14 pixels in the theme's text colour.
  void Font(const TTheme& t, bool bold = false);
  const QStringList& Lines() const { return FLines; }

private:
  QStringList FLines;
};

// The points of a piece of `size` with `border` pixels kept at each edge.
TbsCornerPoints InsetPoints(QSize size, int border);

// Version, pictures, frame, popup and hint windows, colours, and the
// frame's objects (caption buttons and caption).
void DescribeFrame(TDescription& d, const TSkin& s);
// The control list and one section for each control.
void DescribeControls(TDescription& d, const TSkin& s);
