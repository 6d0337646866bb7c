// The result field: an ordinary line edit in the stated font and colour that
// shows a new text from its start and copies what it holds.
#include "skin/SkinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>

namespace {

TEST(SkinEditTest, NewTextIsShownFromItsStartAndCopiesAsHeld) {
  QWidget parent;
  auto* edit = new TbsSkinEdit(&parent);
  edit->SetBounds(8, 200, 120, 22);
  edit->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -15, fsBold, clBlue));
  const QString sentence = QStringLiteral("Момент затяжки болта поз.  Мкр от 80 Nm до 100 Nm, класс 2 по СТБ 1879-2008.");
  edit->SetText(sentence);
  EXPECT_EQ(edit->cursorPosition(), 0);
  EXPECT_EQ(edit->Text(), sentence);
  EXPECT_EQ(edit->font().pixelSize(), 15);
  EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::blue));
  // Hand-off code selects and copies through the line edit itself.
  QLineEdit* asLineEdit = edit;
  asLineEdit->selectAll();
  asLineEdit->copy();
  EXPECT_EQ(QApplication::clipboard()->text(), sentence);
}

}  // namespace

// --- The skinned look ---------------------------------------------------------------

#include "platform/Forms.h"
#include "platform/Messages.h"
#include "skin/SkinBmp.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"
#include "SkinDataTestSupport.h"

#include <QFontMetrics>
#include <QTest>

namespace {

// Two 12 x 6 pieces one below the other (normal, active); pixel (x, y) of a
// piece is (10 x, 10 y, tag).
constexpr int kNormalTag = 40, kActiveTag = 120;
QImage EditPicture() {
  QImage img(12, 12, QImage::Format_RGB32);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) img.setPixel(x, y, qRgb(10 * x, 10 * (y % 6), y < 6 ? kNormalTag : kActiveTag));
  return img;
}

const QColor kText(255, 0, 0), kActiveText(0, 255, 0), kDisabledText(255, 255, 0);

struct SkinnedEdit {
  explicit SkinnedEdit(bool useSkinFont = true) {
    skintest::TContainer c;
    c.Active = {WriteBmp(EditPicture(), 24)};
    c.Text = "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n"
             "[SKINCONTROLS]\r\ncount=1\r\n0=edit:edit\r\n[edit]\r\npictureindex=0\r\nskinrect=0,0,12,6\r\n"
             "lefttoppoint=3,2\r\nrighttoppoint=9,2\r\nleftbottompoint=3,4\r\nrightbottompoint=9,4\r\n"
             "clientrect=3,2,9,4\r\nleftstretch=1\r\ntopstretch=1\r\nrightstretch=1\r\nbottomstretch=1\r\n"
             "stretcheffect=1\r\nactiveskinrect=0,6,12,12\r\nfontname=Arial\r\nfontheight=-16\r\nfontstyle=fsbold\r\n"
             "fontcolor=255\r\nactivefontcolor=65280\r\ndisabledfontcolor=65535\r\n";
    Stored = skintest::Stored(c.Bytes());
    Form = new TForm;
    Form->SetClientSize(400, 200);
    Data = new TbsSkinData(Form);
    Data->SetCompressedStoredSkin(Stored.get());
    CreateSkinFrame(Form, Data, biSystemMenu, TbsFrameShows{});
    Edit = new TbsSkinEdit(Form->Client());
    Edit->UseSkinFont = useSkinFont;
    Edit->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -15, fsBold, clBlue));
    Edit->SetBounds(8, 20, 200, 26);
    Other = new QLineEdit(Form->Client());
    Other->setGeometry(8, 100, 100, 22);
    Form->Show();
    QApplication::setActiveWindow(Form);
    Other->setFocus();
  }
  ~SkinnedEdit() { delete Form; }

  std::unique_ptr<TbsCompressedStoredSkin> Stored;
  TForm* Form;
  TbsSkinData* Data;
  TbsSkinEdit* Edit;
  QLineEdit* Other;
};

bool HasColour(const QImage& img, const QColor& c, QRect* extent = nullptr) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == c.rgb()) r |= QRect(x, y, 1, 1);
  if (extent) *extent = r;
  return !r.isNull();
}

TEST(SkinEditSkinned, BodyComesFromTheRecordAndTextStaysInTheClientRectangle) {
  SkinnedEdit s;
  s.Edit->SetSkinData(s.Data);
  ASSERT_TRUE(s.Edit->Skinned());
  EXPECT_EQ(s.Edit->font().pixelSize(), 16);  // the record's font
  EXPECT_TRUE(s.Edit->font().bold());
  s.Edit->SetText(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));  // longer than the field
  const QImage shot = s.Edit->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage pic = EditPicture();
  // The corners unscaled, the border between them from the piece's edges.
  EXPECT_EQ(shot.pixel(0, 0), pic.pixel(0, 0));
  EXPECT_EQ(shot.pixel(2, 1), pic.pixel(2, 1));
  EXPECT_EQ(shot.pixel(199, 25), pic.pixel(11, 5));
  EXPECT_EQ(qBlue(shot.pixel(100, 0)), kNormalTag);
  EXPECT_EQ(qBlue(shot.pixel(199, 12)), kNormalTag);
  // The client rectangle (3,2)-(9,4) grown by 188 x 20 holds the text, in
  // the record's colour.
  const QRect client(3, 2, 194, 22);
  EXPECT_EQ(s.Edit->Look().ClientRect(s.Edit->size()).ToQRect(), client);
  QRect text;
  ASSERT_TRUE(HasColour(shot, kText, &text));
  EXPECT_TRUE(client.contains(text)) << text.x() << "," << text.y() << " " << text.width() << "x" << text.height();
  EXPECT_FALSE(HasColour(shot, QColor(Qt::blue)));
}

TEST(SkinEditSkinned, FocusShowsTheActiveImageAndColour) {
  SkinnedEdit s;
  s.Edit->SetSkinData(s.Data);
  s.Edit->SetText(QStringLiteral("100"));
  EXPECT_EQ(qBlue(s.Edit->RenderBody().pixel(0, 0)), kNormalTag);
  s.Edit->setFocus();
  ASSERT_TRUE(s.Edit->hasFocus());
  EXPECT_EQ(qBlue(s.Edit->RenderBody().pixel(0, 0)), kActiveTag);
  const QImage shot = s.Edit->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(qBlue(shot.pixel(0, 0)), kActiveTag);
  EXPECT_TRUE(HasColour(shot, kActiveText));
  s.Other->setFocus();
  EXPECT_EQ(qBlue(s.Edit->RenderBody().pixel(0, 0)), kNormalTag);
  EXPECT_EQ(s.Edit->palette().color(QPalette::Text), kText);
  s.Edit->setEnabled(false);
  EXPECT_EQ(s.Edit->palette().color(QPalette::Disabled, QPalette::Text), kDisabledText);
}

TEST(SkinEditSkinned, WithItsOwnFontItKeepsItsOwnColour) {
  SkinnedEdit s(false);  // as the bolt and nut windows set up their field
  s.Edit->SetSkinData(s.Data);
  ASSERT_TRUE(s.Edit->Skinned());
  s.Edit->SetText(QStringLiteral("100 Nm"));
  EXPECT_EQ(s.Edit->font().pixelSize(), 15);
  EXPECT_TRUE(s.Edit->font().bold());
  QImage shot = s.Edit->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(HasColour(shot, QColor(Qt::blue)));
  EXPECT_FALSE(HasColour(shot, kText));
  s.Edit->setFocus();
  shot = s.Edit->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(qBlue(shot.pixel(0, 0)), kActiveTag);  // the active image all the same
  EXPECT_TRUE(HasColour(shot, QColor(Qt::blue)));
  EXPECT_FALSE(HasColour(shot, kActiveText));
  s.Edit->setEnabled(false);
  EXPECT_EQ(s.Edit->palette().color(QPalette::Disabled, QPalette::Text), kDisabledText);
}

TEST(SkinEditSkinned, TypingSelectionClipboardAndUndoStillWork) {
  SkinnedEdit s;
  s.Edit->SetSkinData(s.Data);
  s.Edit->setFocus();
  QTest::keyClicks(s.Edit, QStringLiteral("12,5"));
  EXPECT_EQ(s.Edit->Text(), QStringLiteral("12,5"));
  QTest::keyClick(s.Edit, Qt::Key_Backspace);
  EXPECT_EQ(s.Edit->Text(), QStringLiteral("12,"));
  s.Edit->undo();
  EXPECT_EQ(s.Edit->Text(), QStringLiteral("12,5"));
  s.Edit->selectAll();
  s.Edit->copy();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12,5"));
  s.Edit->setCursorPosition(0);
  s.Edit->paste();
  EXPECT_EQ(s.Edit->Text(), QStringLiteral("12,512,5"));
}

TEST(SkinEditSkinned, SkinNoticesSwitchThePlainLookAndBack) {
  SkinnedEdit s;
  s.Edit->SetSkinData(s.Data);
  ASSERT_TRUE(s.Edit->Skinned());
  // Straight to the field: 1225 plain, 1226 skinned again.
  TMessageEvent changing(WM_SKINCHANGING, s.Data, 1000);
  QApplication::sendEvent(s.Edit, &changing);
  EXPECT_FALSE(s.Edit->Skinned());
  EXPECT_TRUE(s.Edit->hasFrame());
  EXPECT_EQ(s.Edit->palette().color(QPalette::Text), QColor(Qt::blue));
  TMessageEvent changed(WM_SKINCHANGED, s.Data, 1000);
  QApplication::sendEvent(s.Edit, &changed);
  EXPECT_TRUE(s.Edit->Skinned());
  EXPECT_FALSE(s.Edit->hasFrame());
  // Another skin data's notices are not ours.
  TbsSkinData other;
  TMessageEvent foreign(WM_SKINCHANGING, &other, 1000);
  QApplication::sendEvent(s.Edit, &foreign);
  EXPECT_TRUE(s.Edit->Skinned());

  // Through the window: a skin too new to read leaves only 1225 behind.
  skintest::TContainer tooNew;
  tooNew.Version = 4;
  const auto newer = skintest::Stored(tooNew.Bytes());
  s.Data->SetCompressedStoredSkin(newer.get());
  EXPECT_FALSE(s.Edit->Skinned());
  s.Data->SetCompressedStoredSkin(s.Stored.get());
  EXPECT_TRUE(s.Edit->Skinned());
}

TEST(SkinEditSkinned, WithoutARecordItStaysPlain) {
  SkinnedEdit s;
  s.Edit->SkinDataName = QStringLiteral("nosuchedit");
  s.Edit->SetSkinData(s.Data);
  EXPECT_FALSE(s.Edit->Skinned());
  EXPECT_TRUE(s.Edit->RenderBody().isNull());
  EXPECT_EQ(s.Edit->palette().color(QPalette::Base), ToQColor(clWindow));
  EXPECT_EQ(s.Edit->palette().color(QPalette::Text), QColor(Qt::blue));
}

}  // namespace

namespace {

TEST(SkinEditSkinned, ATallFontGrowsTheTextAreaIntoTheBorderOnly) {
  SkinnedEdit s;
  s.Edit->SetSkinData(s.Data);
  s.Edit->SetBounds(8, 20, 200, 12);  // client (3,2)-(197,10): 8 rows
  const QFont font = ToQFont(TFont::Make(QStringLiteral("Arial"), -9, 0));
  const int line = QFontMetrics(font).height();
  ASSERT_GT(line, 8);
  const QRect area = s.Edit->Look().TextArea(s.Edit->size(), font);
  EXPECT_EQ(area.left(), 3);
  EXPECT_EQ(area.right(), 196);
  EXPECT_EQ(area.height(), std::min(line, 12));
  EXPECT_GE(area.top(), 0);
  EXPECT_LE(area.bottom(), 11);
  // A line that fits keeps the client rectangle as it is.
  s.Edit->SetBounds(8, 20, 200, 40);
  EXPECT_EQ(s.Edit->Look().TextArea(s.Edit->size(), font), QRect(3, 2, 194, 36));
}

}  // namespace
