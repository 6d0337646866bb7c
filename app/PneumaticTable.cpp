#include "app/PneumaticTable.h"

#include "platform/Graphics.h"

#include <QPainter>

namespace {

// --- The picture's geometry ------------------------------------------------------------
//
//   title band      y 2 .. 25, centred bold text over the whole width
//   header row      y 28, 20 px high, four columns, bold
//   groups          rows 16 px high, 10 px of white between groups; the header
//                   and the first group form one ruled block
//   columns         name | designation | torque | wrench size, their borders at
//                   the x positions below; a group without designation has one
//                   name cell over the first two columns, and the last two
//                   groups stop after the torque column
constexpr int kColumnX[5] = {3, 163, 257, 333, 405};
constexpr int kTitleTop = 2;
constexpr int kTitleHeight = 24;
constexpr int kHeaderTop = 28;
constexpr int kHeaderHeight = 20;
constexpr int kRowHeight = 16;
constexpr int kGroupGap = 10;
constexpr int kTitlePx = 15;
constexpr int kTextPx = 12;

QRect Box(int left, int right, int top, int height) { return QRect(left, top, right - left + 1, height + 1); }

// Column borders a row of the layout has, left to right.
std::vector<int> Borders(TFittingLayout layout) {
  switch (layout) {
    case TFittingLayout::Full: return {kColumnX[0], kColumnX[1], kColumnX[2], kColumnX[3], kColumnX[4]};
    case TFittingLayout::NoDesignation: return {kColumnX[0], kColumnX[2], kColumnX[3], kColumnX[4]};
    case TFittingLayout::NameTorque: return {kColumnX[0], kColumnX[2], kColumnX[3]};
  }
  return {};
}

// Where every group begins (its first row's top line).
std::vector<int> GroupTops() {
  std::vector<int> tops;
  int y = kHeaderTop + kHeaderHeight;
  for (const TFittingGroup& g : PneumaticGroups()) {
    tops.push_back(y);
    y += static_cast<int>(g.Rows.size()) * kRowHeight + kGroupGap;
  }
  return tops;
}

}  // namespace

QSize PneumaticTableSize() { return QSize(415, 537); }

QFont PneumaticTableFont(const TTableCell& cell) {
  QFont f(FontFamilyFor(QStringLiteral("Arial")));
  f.setPixelSize(cell.PixelSize);
  f.setBold(cell.Bold);
  return f;
}

std::vector<TTableCell> PneumaticTableCells() {
  std::vector<TTableCell> cells;
  cells.push_back({Box(kColumnX[0], kColumnX[4], kTitleTop, kTitleHeight - 1), PneumaticTitle(), kTitlePx, true, true,
                   kTitleRow, 0, kPneumaticColumns});
  const QStringList header = PneumaticHeader();
  for (int c = 0; c < 4; ++c)
    cells.push_back({Box(kColumnX[c], kColumnX[c + 1], kHeaderTop, kHeaderHeight), header[c], kTextPx, true, true,
                     kHeaderRow, c, 1});
  const auto tops = GroupTops();
  const auto& groups = PneumaticGroups();
  int row = 0;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const std::vector<int> x = Borders(groups[g].Layout);
    const bool full = groups[g].Layout == TFittingLayout::Full;
    int y = tops[g];
    for (const TFittingRow& r : groups[g].Rows) {
      QStringList texts{r.Name};
      if (full) texts << r.Designation;
      texts << r.Torque;
      if (groups[g].Layout != TFittingLayout::NameTorque) texts << r.Wrench;
      for (int c = 0; c < texts.size(); ++c) {
        // Without a designation, every cell after the name stands one
        // column further right.
        const int column = c == 0 || full ? c : c + 1;
        const int span = c == 0 && !full ? 2 : 1;
        cells.push_back({Box(x[c], x[c + 1], y, kRowHeight), texts[c], kTextPx, false, c > 0, row, column, span});
      }
      y += kRowHeight;
      ++row;
    }
  }
  return cells;
}

std::vector<QRect> PneumaticTableRules() {
  std::vector<QRect> rules;
  auto hline = [&](int x0, int x1, int y) { rules.push_back(QRect(x0, y, x1 - x0 + 1, 1)); };
  auto vline = [&](int x, int y0, int y1) { rules.push_back(QRect(x, y0, 1, y1 - y0 + 1)); };
  // Header.
  hline(kColumnX[0], kColumnX[4], kHeaderTop);
  for (int x : kColumnX) vline(x, kHeaderTop, kHeaderTop + kHeaderHeight);
  const auto tops = GroupTops();
  const auto& groups = PneumaticGroups();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const std::vector<int> x = Borders(groups[g].Layout);
    const int top = tops[g];
    const int rows = static_cast<int>(groups[g].Rows.size());
    for (int r = 0; r <= rows; ++r) hline(x.front(), x.back(), top + r * kRowHeight);
    for (int b : x) vline(b, top, top + rows * kRowHeight);
  }
  return rules;
}

QImage DrawPneumaticTable() {
  QImage image(PneumaticTableSize(), QImage::Format_Grayscale8);
  image.fill(255);
  QPainter p(&image);
  p.setPen(Qt::black);
  for (const QRect& r : PneumaticTableRules()) p.fillRect(r, Qt::black);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  for (const TTableCell& cell : PneumaticTableCells()) {
    if (cell.Text.isEmpty()) continue;
    p.setFont(PneumaticTableFont(cell));
    const QRect inner = cell.Box.adjusted(kPneumaticCellPadding, 1, -kPneumaticCellPadding, 0);
    p.drawText(inner, (cell.Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
               cell.Text);
  }
  return image;
}
