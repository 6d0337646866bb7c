#pragma once
// Plain (unskinned) controls: a label with its own background and a picture.
#include "platform/Graphics.h"

#include <QImage>
#include <QWidget>

#include <functional>

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
  const QImage& Picture() const;
  void SetPicture(const QImage& picture);
  // A picture that `draw` makes the first time it is needed: when the image
  // is first painted or its picture is asked for.
  void SetPicture(std::function<QImage()> draw);
  bool Stretch = false;
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  mutable QImage FPicture;
  mutable std::function<QImage()> FDraw;
};
