#pragma once
// Plain (unskinned) controls: a label with its own background and a picture.
#include "platform/Graphics.h"

#include <QImage>
#include <QWidget>

class TLabel : public QWidget {
  Q_OBJECT
public:
  explicit TLabel(QWidget* parent);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& text);
  void SetFont(const TFont& font);
  const TFont& Font() const { return FFont; }
  // clNone: transparent.
  void SetColor(TColor color);
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString FCaption;
  TFont FFont;
  TColor FColor = clNone;
};

class TImage : public QWidget {
  Q_OBJECT
public:
  explicit TImage(QWidget* parent);
  const QImage& Picture() const { return FPicture; }
  void SetPicture(const QImage& picture);
  bool Stretch = false;
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QImage FPicture;
};
