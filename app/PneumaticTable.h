#pragma once
// The printed picture of the pneumatic fittings table (core/PneumaticData.h):
// black on white, grey-scale, a bold title over a ruled grid, six groups of
// rows separated by gaps.
#include "core/PneumaticData.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

// Rows of the grid above the groups' rows (which count from 0).
inline constexpr int kTitleRow = -2, kHeaderRow = -1;
// Columns: name, designation, torque, wrench size.
inline constexpr int kPneumaticColumns = 4;

// One piece of text of the picture and the box it belongs to (a grid cell,
// or the title's band), with its place in the grid: a name without a
// designation spans the first two columns, the title all four.
struct TTableCell {
  QRect Box;
  QString Text;
  int PixelSize = 12;
  bool Bold = false;
  bool Centred = false;
  int Row = kTitleRow;
  int Column = 0;
  int Span = 1;
};

// The picture's size: 415 × 537 pixels.
QSize PneumaticTableSize();
// Every text of the picture with its box, in reading order: title, header,
// then the groups row by row, left to right.
std::vector<TTableCell> PneumaticTableCells();
// The ruled lines of the grid, each a one-pixel-wide rectangle.
std::vector<QRect> PneumaticTableRules();
// The font a cell's text is drawn with.
QFont PneumaticTableFont(const TTableCell& cell);
// Room left between a cell's text and its box on either side.
constexpr int kPneumaticCellPadding = 3;

// The picture (QImage::Format_Grayscale8).
QImage DrawPneumaticTable();
