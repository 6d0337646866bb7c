#pragma once
// The reference table of tightening torques for pneumatic fittings: its data
// and the printed picture drawn from it (black on white, grey-scale, a bold
// title over a ruled grid, six groups of rows separated by gaps).
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

// How the rows of a group are divided into cells.
enum class TFittingLayout {
  Full,        // name | designation | torque | wrench size
  NoDesignation,  // name over the name and designation columns | torque | wrench size
  NameTorque,  // name over the name and designation columns | torque; no wrench column
};

struct TFittingRow {
  QString Name;
  QString Designation;  // empty where the layout has no designation
  QString Torque;       // "lower…upper", N·m
  QString Wrench;       // wrench size across flats; may be empty
};

struct TFittingGroup {
  TFittingLayout Layout;
  std::vector<TFittingRow> Rows;
};

QString PneumaticTitle();
QStringList PneumaticHeader();
const std::vector<TFittingGroup>& PneumaticGroups();

// One piece of text of the picture and the box it belongs to (a grid cell,
// or the title's band).
struct TTableCell {
  QRect Box;
  QString Text;
  int PixelSize = 12;
  bool Bold = false;
  bool Centred = false;
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
