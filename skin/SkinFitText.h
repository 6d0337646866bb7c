#pragma once
// Values that must be read whole. A control whose text does not fit its box
// draws it in a smaller size of the same font until it fits (never below
// kLeastTextPixels), and only beyond that elides it with "…": a value is never
// cut so that it reads as another one.
#include <QFont>
#include <QString>

class QLineEdit;
class QPainter;
class QRect;
class QStyleOptionFrame;

constexpr int kLeastTextPixels = 9;

struct TbsFittedText {
  QFont Font;
  QString Text;
  bool Elided = false;
};

// `text` as it fits `width` pixels: in `font` when it fits as it is, else in
// the largest smaller pixel size that fits, else at the least size, elided.
TbsFittedText FitText(const QString& text, const QFont& font, int width);

// Draws one line of `text` in `rect` with the painter's font, fitted to the
// rectangle's width; `flags` align it as QPainter::drawText does. A text
// that fits is drawn exactly as drawText would.
void DrawFittedText(QPainter& p, const QRect& rect, int flags, const QString& text);

// The painting of a line edit that is not being edited and whose text does
// not fit: its panel as the style draws it, then the text fitted into the
// line's area, the selection (when the whole text is drawn) highlighted.
// Returns false, painting nothing, while the edit has the focus (it scrolls
// its text then) or when the text fits (the edit paints itself).
bool PaintFittedLineEdit(QLineEdit& edit, const QStyleOptionFrame& panel);
