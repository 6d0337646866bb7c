#pragma once
// The splash window: a picture and two labels for three seconds at start-up.
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

#include <QTimer>

// The splash's size, frame and all (it has none).
inline constexpr int kSplashWidth = 525;
inline constexpr int kSplashHeight = 373;

class TFormDBtqrZastavka : public TForm {
  Q_OBJECT
public:
  explicit TFormDBtqrZastavka(QWidget* parent = nullptr);

  TImage* Image1;
  TLabel* Label1;
  TLabel* Label2;
  QTimer* Timer1;

  void FormCreate(TObject* Sender);
  void Timer1Timer(TObject* Sender);
};

extern TFormDBtqrZastavka* FormDBtqrZastavka;
