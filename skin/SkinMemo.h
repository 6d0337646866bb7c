#pragma once
// A multi-line text the user can read, scroll and select but not edit.
#include "skin/SkinControl.h"

#include <QStringList>

class QPlainTextEdit;

// Skin record "memo". The text is shown as stored, line for line (no wrapping;
// both scroll bars always shown).
class TbsSkinMemo : public TbsSkinCustomControl {
  Q_OBJECT
public:
  explicit TbsSkinMemo(QWidget* parent);

  QStringList Lines() const;
  void SetLines(const QStringList& lines);
  QString Text() const;
  void SetDefaultFont(const TFont& font);

  // The text view inside the memo (the widget that takes keys and focus).
  QPlainTextEdit* Viewer() const { return FViewer; }

protected:
  void DrawPlain(QImage& image) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void ApplyFont();
  QPlainTextEdit* FViewer;
};
