// The pneumatic fittings picture as a screen reader reads it: a table named by
// the picture's title, its header row as the column headers and a row of
// cells for every fitting, made from the same cells the picture is drawn
// from.
#include "app/Accessibility.h"

#include "app/PneumaticTable.h"
#include "app/Unit_Pnevmo.h"
#include "skin/SkinAccessible.h"
#include "skin/SkinAccessibleParts.h"

#include <QAccessibleWidget>

namespace {

class TAccessiblePneumaticTable;

// One cell of the grid (a header cell or a fitting's cell). A name without a
// designation spans two columns.
class TAccessiblePneumaticCell : public TAccessibleLeaf, public QAccessibleTableCellInterface {
public:
  TAccessiblePneumaticCell(TImage* picture, const TTableCell& cell) : FPicture(picture), FCell(cell) {}

  bool isValid() const override { return FPicture; }
  QWidget* Owner() const override { return FPicture; }
  QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? FCell.Text : QString(); }
  QRect rect() const override {
    if (!FPicture) return {};
    // The picture's last columns and row stay outside the window.
    return ScreenRect(FPicture, FCell.Box.intersected(FPicture->rect()));
  }
  QAccessible::Role role() const override {
    return FCell.Row == kHeaderRow ? QAccessible::ColumnHeader : QAccessible::Cell;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    s.invalid = !FPicture;
    s.invisible = !FPicture || !FPicture->isVisible();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return FCell.Column; }
  int rowIndex() const override { return FCell.Row == kHeaderRow ? -1 : FCell.Row; }
  int columnExtent() const override { return FCell.Span; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

private:
  QPointer<TImage> FPicture;
  TTableCell FCell;
};

// The picture: header cells first, then the fittings' cells row by row.
class TAccessiblePneumaticTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
  explicit TAccessiblePneumaticTable(TImage* picture)
      : QAccessibleWidget(picture, QAccessible::Table), FCells(PneumaticTableCells()) {
    // The title is the table's name, not one of its cells.
    std::erase_if(FCells, [this](const TTableCell& c) {
      if (c.Row != kTitleRow) return false;
      FTitle = c.Text;
      return true;
    });
    for (const TTableCell& c : FCells) FRows = std::max(FRows, c.Row + 1);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return FTitle;
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  int childCount() const override { return static_cast<int>(FCells.size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    return FParts.Get(index, [this, index] {
      return new TAccessiblePneumaticCell(static_cast<TImage*>(widget()), FCells[size_t(index)]);
    });
  }
  int indexOfChild(const QAccessibleInterface* child) const override { return FParts.KeyOf(child); }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (size_t i = 0; i < FCells.size(); ++i)
      if (FCells[i].Box.contains(local)) return child(static_cast<int>(i));
    return nullptr;
  }

  // The header cell above a column.
  QAccessibleInterface* HeaderOf(int column) const { return Find(kHeaderRow, column); }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override { return Find(row, column); }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override {
    const QAccessibleInterface* header = HeaderOf(column);
    return header ? header->text(QAccessible::Name) : QString();
  }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kPneumaticColumns; }
  int rowCount() const override { return FRows; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
  // The cell covering (row, column): a spanning cell covers the columns
  // after its own.
  QAccessibleInterface* Find(int row, int column) const {
    for (size_t i = 0; i < FCells.size(); ++i) {
      const TTableCell& c = FCells[i];
      if (c.Row == row && column >= c.Column && column < c.Column + c.Span) return child(static_cast<int>(i));
    }
    return nullptr;
  }

  std::vector<TTableCell> FCells;
  QString FTitle;
  int FRows = 0;
  TAccessibleParts FParts;
};

QList<QAccessibleInterface*> TAccessiblePneumaticCell::columnHeaderCells() const {
  if (FCell.Row == kHeaderRow) return {};
  auto* table = FPicture ? QAccessible::queryAccessibleInterface(FPicture.data()) : nullptr;
  QAccessibleTableInterface* grid = table ? table->tableInterface() : nullptr;
  if (!grid) return {};
  QList<QAccessibleInterface*> headers;
  for (int c = FCell.Column; c < FCell.Column + FCell.Span; ++c)
    if (QAccessibleInterface* h = static_cast<TAccessiblePneumaticTable*>(grid)->HeaderOf(c)) headers << h;
  return headers;
}

// The pneumatic window's picture is the table; any other picture keeps the
// skin library's interface.
QAccessibleInterface* MakePicture(QObject* object) {
  auto* window = qobject_cast<TForm_Pnevmo*>(static_cast<QWidget*>(object)->window());
  if (window && window->Image1 == object) return new TAccessiblePneumaticTable(window->Image1);
  return MakeAccessibleImage(object);
}

}  // namespace

void InstallAccessibility() {
  RegisterAccessibleClass("TImage", MakePicture);
  InstallSkinAccessibility();
}
