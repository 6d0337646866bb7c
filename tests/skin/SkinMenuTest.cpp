// The skinned popup menu and the frame's system menu and roll-up.
#include "platform/Platform.h"
#include "resources/Resources.h"
#include "skin/SkinForm.h"
#include "skin/SkinMenu.h"
#include "skin/SkinRecords.h"
#include "skin/StoredSkin.h"
#include "SkinDataTestSupport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct LoadedSkin {
  QObject owner;
  TbsCompressedStoredSkin stored;
  TbsSkinData* data = new TbsSkinData(&owner);
  explicit LoadedSkin(const char* name) {
    stored.LoadCompressedData(resources::Load(QLatin1String(name)));
    data->SetCompressedStoredSkin(&stored);
  }
};

void Key(QWidget* w, int key, const QString& text = {}) {
  QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &e);
}

// Runs `step` on the menu as soon as the frame has opened it.
void WhenMenuOpens(TbsSkinForm* frame, std::function<void(TbsSkinPopupMenu*)> step) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [=] {
    if (TbsSkinPopupMenu* menu = frame->OpenSystemMenu()) {
      poll->stop();
      poll->deleteLater();
      step(menu);
    }
  });
  poll->start();
}

}  // namespace

TEST(SkinPopupMenu, ItemsStackInsideTheSkinsItemsArea) {
  for (const char* name : {"iMetal.skn", "CyberObject.skn"}) {
    SCOPED_TRACE(name);
    LoadedSkin skin(name);
    TbsSkinPopupMenu menu;
    menu.SetSkinData(skin.data);
    const int a = menu.AddItem(QStringLiteral("&Восстановить"), false);
    const int b = menu.AddItem(QStringLiteral("&Свернуть"));
    menu.AddDivider();
    const int c = menu.AddItem(QStringLiteral("&Закрыть"));
    const TbsDataSkinPopupWindow& w = skin.data->PopupWindow;
    const QRect first = menu.ItemRect(a);
    EXPECT_EQ(first.topLeft(), QPoint(w.ItemsRect.Left, w.ItemsRect.Top));
    EXPECT_EQ(menu.ItemRect(b).top(), first.bottom() + 1);
    EXPECT_EQ(menu.ItemRect(c).top(), menu.ItemRect(2).bottom() + 1);
    const QImage picture = skin.data->ActivePicture(w.WindowPictureIndex);
    const QSize size = menu.MenuSize();
    EXPECT_EQ(size.height() - (menu.ItemRect(c).bottom() + 1), picture.height() - w.ItemsRect.Bottom);
    EXPECT_EQ(size.width() - (first.right() + 1), picture.width() - w.ItemsRect.Right);
    // Disabled items and dividers are never under the mouse.
    EXPECT_EQ(menu.ItemAt(first.center()), -1);
    EXPECT_EQ(menu.ItemAt(menu.ItemRect(2).center()), -1);
    EXPECT_EQ(menu.ItemAt(menu.ItemRect(b).center()), b);
  }
}

TEST(SkinPopupMenu, BodyComesFromThePopupPictureAndTheHighlightFromTheSkinColours) {
  LoadedSkin skin("CyberObject.skn");
  TbsSkinPopupMenu menu;
  menu.SetSkinData(skin.data);
  menu.AddItem(QStringLiteral("Один"));
  menu.AddItem(QStringLiteral("Два"));
  const QImage picture = skin.data->ActivePicture(skin.data->PopupWindow.WindowPictureIndex);
  QImage plainImage;
  {
    TbsSkinPopupMenu plain;
    plain.AddItem(QStringLiteral("Один"));
    plain.AddItem(QStringLiteral("Два"));
    plainImage = plain.Render();
  }
  const QImage image = menu.Render();
  // The top-left corner is the picture's own, unscaled.
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(image.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
  EXPECT_NE(image.pixel(1, 1), plainImage.pixel(1, 1));

  const QRect hot = menu.ItemRect(1);
  const QPoint probe(hot.right() - 3, hot.top() + 2);  // beside the text
  const QRgb before = image.pixel(probe);
  menu.SetCurrent(1);
  const QImage lit = menu.Render();
  EXPECT_EQ(lit.pixel(probe), ToQColor(skin.data->SkinColors.cHighLight).rgb());
  EXPECT_NE(before, lit.pixel(probe));
  // The other item is untouched.
  const QRect other = menu.ItemRect(0);
  EXPECT_EQ(lit.copy(other), image.copy(other));
}

TEST(SkinPopupMenu, AMenuItemObjectGivesTheItemsTheirPiecesAndColours) {
  // Popup picture: grey. Item pieces in the active picture: rows 0-19 the
  // normal item (blue 50), rows 20-39 the lit item (blue 150), 40-45 divider.
  QImage popup(20, 20, QImage::Format_RGB32);
  popup.fill(qRgb(128, 128, 128));
  QImage items(30, 46, QImage::Format_RGB32);
  for (int y = 0; y < 46; ++y)
    for (int x = 0; x < 30; ++x) items.setPixel(x, y, qRgb(x, y, y < 20 ? 50 : y < 40 ? 150 : 250));
  skintest::TContainer c;
  c.Active = {WriteBmp(popup, 24), WriteBmp(items, 24)};
  c.Text = "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n"
           "[POPUPWINDOW]\r\nwindowpictureindex=0\r\nlefttoppoint=2,2\r\nrighttoppoint=18,2\r\n"
           "leftbottompoint=2,18\r\nrightbottompoint=18,18\r\nitemsrect=2,2,18,18\r\n"
           "[SKINOBJECTS]\r\ncount=1\r\n0=menuitem:menuitem\r\n[menuitem]\r\n"
           "activepictureindex=1\r\nskinrectinapicture=1\r\nskinrect=0,0,30,20\r\n"
           "activeskinrect=0,20,30,40\r\ndividerrect=0,40,30,46\r\nitemleftoffset=5\r\n"
           "itemrightoffset=5\r\nstretcheffect=1\r\nfontcolor=255\r\nactivefontcolor=65280\r\n"
           "unenabledfontcolor=16711680\r\n"
           "[SKINCONTROLS]\r\ncount=0\r\n";
  auto stored = skintest::Stored(c.Bytes());
  QObject owner;
  auto* data = new TbsSkinData(&owner);
  data->SetCompressedStoredSkin(stored.get());
  ASSERT_FALSE(data->Empty());
  ASSERT_NE(data->ObjectRecord<TbsDataSkinMenuItem>(QStringLiteral("menuitem")), nullptr);

  TbsSkinPopupMenu menu;
  menu.SetSkinData(data);
  menu.AddItem(QStringLiteral("Один"));
  menu.AddDivider();
  menu.AddItem(QStringLiteral("Два"));
  EXPECT_EQ(menu.ItemRect(0).height(), 20);  // the item piece's height
  EXPECT_EQ(menu.ItemRect(1).height(), 6);   // the divider piece's
  menu.SetCurrent(2);
  const QImage image = menu.Render();
  const QRect normal = menu.ItemRect(0), lit = menu.ItemRect(2), divider = menu.ItemRect(1);
  // Left ends copied unscaled from their pieces.
  EXPECT_EQ(image.pixel(normal.left() + 1, normal.top() + 3), items.pixel(1, 3));
  EXPECT_EQ(image.pixel(lit.left() + 1, lit.top() + 3), items.pixel(1, 23));
  EXPECT_EQ(image.pixel(divider.left() + 1, divider.top() + 2), items.pixel(1, 42));
  // Right ends too, at the item's right edge.
  EXPECT_EQ(image.pixel(lit.right(), lit.top() + 3), items.pixel(29, 23));
  // Texts in the record's colours: red normal, green lit.
  auto has = [&](const QRect& r, QRgb colour) {
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if (image.pixel(x, y) == colour) return true;
    return false;
  };
  EXPECT_TRUE(has(normal, qRgb(255, 0, 0)));
  EXPECT_FALSE(has(normal, qRgb(0, 255, 0)));
  EXPECT_TRUE(has(lit, qRgb(0, 255, 0)));
}

TEST(SkinPopupMenu, KeysMoveOverEnabledItemsAndChoose) {
  TbsSkinPopupMenu menu;
  menu.AddItem(QStringLiteral("&Восстановить"), false);
  menu.AddItem(QStringLiteral("&Свернуть"));
  menu.AddDivider();
  menu.AddItem(QStringLiteral("&Закрыть"));
  int result = -2;
  QTimer::singleShot(0, &menu, [&] {
    Key(&menu, Qt::Key_Down);
    EXPECT_EQ(menu.Current(), 1);  // the disabled first item is passed over
    Key(&menu, Qt::Key_Down);
    EXPECT_EQ(menu.Current(), 3);  // and the divider
    Key(&menu, Qt::Key_Down);
    EXPECT_EQ(menu.Current(), 1);  // round to the top
    Key(&menu, Qt::Key_Up);
    EXPECT_EQ(menu.Current(), 3);
    Key(&menu, Qt::Key_Return);
  });
  result = menu.Exec(QPoint(10, 10));
  EXPECT_EQ(result, 3);
  EXPECT_FALSE(menu.isVisible());

  QTimer::singleShot(0, &menu, [&] { Key(&menu, Qt::Key_Escape); });
  EXPECT_EQ(menu.Exec(QPoint(10, 10)), -1);
  // The accelerator letter chooses at once; a disabled item's letter does not.
  QTimer::singleShot(0, &menu, [&] {
    Key(&menu, Qt::Key_unknown, QStringLiteral("в"));
    EXPECT_TRUE(menu.isVisible());
    Key(&menu, Qt::Key_unknown, QStringLiteral("З"));
  });
  EXPECT_EQ(menu.Exec(QPoint(10, 10)), 3);
}

TEST(SkinPopupMenu, MouseReleaseOverAnItemChoosesItAndTheMenuStaysOnScreen) {
  TbsSkinPopupMenu menu;
  menu.AddItem(QStringLiteral("Один"));
  menu.AddItem(QStringLiteral("Два"));
  const QRect area = platform::WorkAreaAt(QPoint(0, 0));
  QTimer::singleShot(0, &menu, [&] {
    // Opened at the bottom-right corner of the screen, it moved inside.
    EXPECT_TRUE(area.contains(menu.geometry())) << menu.geometry().x() << "," << menu.geometry().y();
    const QPoint p = menu.ItemRect(1).center();
    QMouseEvent move(QEvent::MouseMove, p, menu.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&menu, &move);
    EXPECT_EQ(menu.Current(), 1);
    QMouseEvent up(QEvent::MouseButtonRelease, p, menu.mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(&menu, &up);
  });
  EXPECT_EQ(menu.Exec(area.bottomRight()), 1);
}

// --- The frame's system menu and roll-up ----------------------------------------

TEST(SkinFormSystemMenu, OffersRestoreMinimiseAndCloseAndRunsTheChoice) {
  TForm form;
  LoadedSkin skin("CyberObject.skn");
  TbsSkinForm* frame = CreateSkinFrame(&form, skin.data, biSystemMenu, TbsFrameShows{});
  form.SetClientSize(300, 200);
  form.Show();
  const auto items = frame->SystemMenuItems();
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].Command, TbsStdCommand::cmRestore);
  EXPECT_FALSE(items[0].Enabled);  // a normal window has nothing to restore
  EXPECT_EQ(items[1].Command, TbsStdCommand::cmMinimize);
  EXPECT_EQ(items[2].Command, TbsStdCommand::cmDefault);
  EXPECT_EQ(items[3].Command, TbsStdCommand::cmClose);

  bool closed = false;
  form.OnClose = [&](TObject*, TCloseAction&) { closed = true; };
  WhenMenuOpens(frame, [&](TbsSkinPopupMenu* menu) {
    EXPECT_EQ(menu->SkinData(), skin.data);  // drawn from the window's skin
    EXPECT_EQ(menu->Count(), 4);
    Key(menu, Qt::Key_unknown, QStringLiteral("з"));
  });
  frame->ButtonCommand(TbsStdCommand::cmSysMenu);
  EXPECT_TRUE(closed);
  EXPECT_EQ(frame->OpenSystemMenu(), nullptr);
}

TEST(SkinFormSystemMenu, RollUpLeavesTheFrameAndRestoreBringsTheHeightBack) {
  TForm form;
  LoadedSkin skin("iMetal.skn");
  TbsSkinForm* frame = CreateSkinFrame(&form, skin.data, biSystemMenu | biRollUp, TbsFrameShows{});
  form.SetClientSize(300, 200);
  form.Show();
  const int height = form.height();
  EXPECT_EQ(frame->SystemMenuItems().size(), 5u);
  frame->ButtonCommand(TbsStdCommand::cmRollUp);
  EXPECT_TRUE(frame->RolledUp());
  EXPECT_EQ(form.height(), frame->LeastSize().height());  // caption band and borders: 28
  EXPECT_EQ(form.height(), 28);
  EXPECT_EQ(form.ClientHeight(), 0);
  const auto items = frame->SystemMenuItems();
  EXPECT_TRUE(items[0].Enabled);   // restore
  EXPECT_FALSE(items[2].Enabled);  // already rolled up
  frame->SystemMenuCommand(TbsStdCommand::cmRestore);
  EXPECT_FALSE(frame->RolledUp());
  EXPECT_EQ(form.height(), height);
  EXPECT_EQ(form.ClientHeight(), 200);
  // The roll-up button toggles.
  frame->ButtonCommand(TbsStdCommand::cmRollUp);
  frame->ButtonCommand(TbsStdCommand::cmRollUp);
  EXPECT_EQ(form.height(), height);
}

TEST(SkinFormAlphaBlend, ShownTransparentThenRaisedToTheValue) {
  // Without either switch the window is shown as it is.
  {
    TForm form;
    TbsSkinForm* frame = CreateSkinFrame(&form, nullptr, biSystemMenu, TbsFrameShows{});
    form.Show();
    EXPECT_FALSE(frame->AlphaTimer()->isActive());
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
  }
  // AlphaBlend alone: transparent at first, then the value at once.
  {
    TForm form;
    TbsSkinForm* frame = CreateSkinFrame(&form, nullptr, biSystemMenu, TbsFrameShows{});
    frame->AlphaBlend = true;
    frame->AlphaBlendValue = 200;
    form.Show();
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 0.0);
    ASSERT_TRUE(frame->AlphaTimer()->isActive());
    QMetaObject::invokeMethod(frame->AlphaTimer(), "timeout");
    EXPECT_NEAR(form.windowOpacity(), 200 / 255.0, 0.01);
    EXPECT_FALSE(frame->AlphaTimer()->isActive());
  }
  // The animation alone: steps of 10 up to fully opaque.
  {
    TForm form;
    TbsSkinForm* frame = CreateSkinFrame(&form, nullptr, biSystemMenu, TbsFrameShows{});
    frame->AlphaBlendAnimation = true;
    form.Show();
    int ticks = 0;
    double last = form.windowOpacity();
    while (frame->AlphaTimer()->isActive() && ticks < 100) {
      QMetaObject::invokeMethod(frame->AlphaTimer(), "timeout");
      EXPECT_GT(form.windowOpacity(), last);
      last = form.windowOpacity();
      ++ticks;
    }
    EXPECT_EQ(ticks, 26);  // 10, 20, ... 250, then 255
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
  }
}

TEST(SkinPopupMenu, DisabledItemsReadAsGreyOnLightAndDarkSkins) {
  for (const char* name : {"iMetal.skn", "CyberObject.skn"}) {
    SCOPED_TRACE(name);
    LoadedSkin skin(name);
    TbsSkinPopupMenu menu;
    menu.SetSkinData(skin.data);
    menu.AddItem(QStringLiteral("Восстановить"), false);
    menu.AddItem(QStringLiteral("Свернуть"));
    const QImage image = menu.Render();
    // The darkest-to-lightest spread of the text pixels against the body:
    // a disabled text is visible but fainter than an enabled one.
    auto contrast = [&](int index) {
      const QRect r = menu.ItemRect(index);
      const int background = qGray(image.pixel(r.right() - 2, r.center().y()));
      int most = 0;
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x < r.left() + 60; ++x) most = std::max(most, std::abs(qGray(image.pixel(x, y)) - background));
      return most;
    };
    const int disabled = contrast(0), enabled = contrast(1);
    EXPECT_GT(disabled, 40);
    EXPECT_LT(disabled, enabled);
  }
}

TEST(SkinFormSystemMenu, AltSpaceOpensItFromTheKeyboard) {
  TForm form;
  LoadedSkin skin("iMetal.skn");
  TbsSkinForm* frame = CreateSkinFrame(&form, skin.data, biMinimize, TbsFrameShows{});
  form.SetClientSize(300, 200);
  form.Show();
  bool opened = false;
  WhenMenuOpens(frame, [&](TbsSkinPopupMenu* menu) {
    opened = true;
    // Below the caption band, at the window's left.
    EXPECT_EQ(menu->geometry().top(), form.mapToGlobal(QPoint(0, 25)).y());
    Key(menu, Qt::Key_Escape);
  });
  QKeyEvent plain(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  QApplication::sendEvent(&form, &plain);
  EXPECT_FALSE(opened);
  QKeyEvent alt(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier, QStringLiteral(" "));
  QApplication::sendEvent(&form, &alt);
  EXPECT_TRUE(opened);
  EXPECT_TRUE(form.isVisible());  // Escape closed the menu, not the window
}
