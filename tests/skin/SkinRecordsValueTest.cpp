// The value rules of the skin description and its INI table.
#include "platform/Exceptions.h"
#include "skin/SkinIni.h"
#include "skin/SkinRecordTypes.h"

#include <gtest/gtest.h>

using namespace skinvalue;

TEST(SkinRecordsValue, IntegersAreDecimalOrHexadecimal) {
  EXPECT_EQ(ToInteger(QStringLiteral("-1"), 7), -1);
  EXPECT_EQ(ToInteger(QStringLiteral("16711935"), 7), 16711935);
  EXPECT_EQ(ToInteger(QStringLiteral("0x1F"), 7), 31);
  EXPECT_EQ(ToInteger(QStringLiteral("0XfF"), 7), 255);
  // All 32 bits: a system colour keeps its top byte.
  EXPECT_EQ(ToInteger(QStringLiteral("0xFF00000F"), 7), int(0xFF00000Fu));
  // Not integers: the default.
  for (const char* bad : {"", "abc", "12a", "0x", "0xG1", "1.5", "99999999999", "0x1FFFFFFFF", "0x-1"})
    EXPECT_EQ(ToInteger(QLatin1String(bad), 7), 7) << bad;
}

TEST(SkinRecordsValue, BooleanIsTrueOnlyForOne) {
  EXPECT_TRUE(ToBoolean(QStringLiteral("1")));
  for (const char* v : {"0", "", "true", "2", " 1", "01"}) EXPECT_FALSE(ToBoolean(QLatin1String(v))) << v;
}

TEST(SkinRecordsValue, RectanglePiecesCountOnlyDigits) {
  EXPECT_EQ(ToRect(QStringLiteral("399,293,468,316")), (TRect{399, 293, 468, 316}));
  // The minus sign is skipped like any other non-digit.
  EXPECT_EQ(ToRect(QStringLiteral("-5,2,10,20")), (TRect{5, 2, 10, 20}));
  EXPECT_EQ(ToRect(QStringLiteral(" 1 2 , x3,4y ,5")), (TRect{12, 3, 4, 5}));
  EXPECT_EQ(ToPoint(QStringLiteral("53,12")), QPoint(53, 12));
  EXPECT_EQ(ToPoint(QStringLiteral("-3,-4")), QPoint(3, 4));
}

TEST(SkinRecordsValue, RectangleWithoutDigitsOrWithWrongPieceCountIsAConversionError) {
  for (const char* bad : {"a,2,3,4", "1,,3,4", "1,2,3", "", "1,2,3,4,5", "1,2,3,4,", "99999999999,1,1,1"})
    EXPECT_THROW(ToRect(QLatin1String(bad)), EConvertError) << bad;
  for (const char* bad : {"1", "1,2,3", ",2", "x,y"}) EXPECT_THROW(ToPoint(QLatin1String(bad)), EConvertError) << bad;
}

TEST(SkinRecordsValue, FontStyleBySubstring) {
  EXPECT_EQ(ToFontStyle(QStringLiteral("fsbold")), TFontStyles(fsBold));
  EXPECT_EQ(ToFontStyle(QString()), TFontStyles(0));
  EXPECT_EQ(ToFontStyle(QStringLiteral("fsboldfsitalic")), TFontStyles(fsBold | fsItalic));
  EXPECT_EQ(ToFontStyle(QStringLiteral("[fsitalic,fsunderline,fsstrikeout]")),
            TFontStyles(fsItalic | fsUnderline | fsStrikeOut));
  EXPECT_EQ(ToFontStyle(QStringLiteral("bold")), TFontStyles(0));
}

TEST(SkinRecordsValue, EnumerationsHaveTheirOwnFallbacks) {
  const TbsIniTable ini(QStringList{"[s]", "effect=iegrayscale", "odd=nonsense", "cmd=cmrollup", "cmd2=close",
                                    "al=tacenter", "al2=left", "mk=mkpush", "mk2=MKPUSH"});
  const QString s = QStringLiteral("s");
  auto effect = [&](const char* key) {
    return ReadEnum(ini, s, QLatin1String(key), TbsInactiveEffect::ieBrightness);
  };
  EXPECT_EQ(effect("effect"), TbsInactiveEffect::ieGrayScale);
  EXPECT_EQ(effect("odd"), TbsInactiveEffect::ieGrayScale);
  EXPECT_EQ(effect("missing"), TbsInactiveEffect::ieBrightness);
  auto command = [&](const char* key) { return ReadEnum(ini, s, QLatin1String(key), TbsStdCommand::cmDefault); };
  EXPECT_EQ(command("cmd"), TbsStdCommand::cmRollUp);
  EXPECT_EQ(command("cmd2"), TbsStdCommand::cmMinimizeToTray);
  EXPECT_EQ(command("missing"), TbsStdCommand::cmDefault);
  auto align = [&](const char* key) { return ReadEnum(ini, s, QLatin1String(key), TAlignment::taCenter); };
  EXPECT_EQ(align("al"), TAlignment::taCenter);
  EXPECT_EQ(align("al2"), TAlignment::taRightJustify);
  auto morph = [&](const char* key) { return ReadEnum(ini, s, QLatin1String(key), TbsMorphKind::mkDefault); };
  EXPECT_EQ(morph("mk"), TbsMorphKind::mkPush);
  EXPECT_EQ(morph("mk2"), TbsMorphKind::mkDefault);  // words match exactly
}

TEST(SkinRecordsValue, IniTableIgnoresCaseAndKeepsFirstOfAName) {
  const TbsIniTable ini(QStringList{" [Forminfo] ", "; a comment", "ClientRect = 2,25,290,162 ", "clientrect=9,9,9,9",
                                    "junk line", "[FORMINFO]", "borderwidth=5", "[other]", "x=1"});
  const QString f = QStringLiteral("FORMINFO");
  EXPECT_TRUE(ini.SectionExists(QStringLiteral("forminfo")));
  EXPECT_EQ(ini.ReadRect(f, QStringLiteral("CLIENTRECT")), (TRect{2, 25, 290, 162}));
  // The second section of the same name is never consulted.
  EXPECT_EQ(ini.ReadInteger(f, QStringLiteral("borderwidth"), -3), -3);
  EXPECT_EQ(ini.ReadRect(f, QStringLiteral("maskrectarea")), TRect());
  EXPECT_EQ(ini.ReadPoint(QStringLiteral("nosuch"), QStringLiteral("p")), QPoint());
  EXPECT_EQ(ini.ReadString(QStringLiteral("other"), QStringLiteral("X")), QStringLiteral("1"));
}

TEST(SkinRecordsValue, ListsAndWildCounts) {
  const TbsIniTable ini(QStringList{"[p]", "activepicturescount=3", "0=a.bmp", "1=b.bmp", "2=c.bmp", "[q]",
                                    "count=2000000000", "0=x"});
  EXPECT_EQ(ini.ReadList(QStringLiteral("p"), QStringLiteral("activepictures")),
            (QStringList{"a.bmp", "b.bmp", "c.bmp"}));
  // A count far beyond the written keys does not make millions of names.
  const QStringList wild = ini.ReadList(QStringLiteral("q"), QString());
  EXPECT_LE(wild.size(), 2);
  EXPECT_EQ(wild.value(0), QStringLiteral("x"));
}

TEST(SkinRecordsValue, DescriptionTextIsWindows1251) {
  const QByteArray bytes("\xC1\xEE\xEB\xF2\xFB \xA8\xB8 \xB9", 10);
  const QString text = DecodeCp1251(bytes);
  EXPECT_EQ(text, QStringLiteral("Болты Ёё №"));
  EXPECT_EQ(EncodeCp1251(text), bytes);
  EXPECT_EQ(SplitTextLines(QStringLiteral("a\r\nb\rc\nd")), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitTextLines(QStringLiteral("a\r\n\r\n")), (QStringList{"a", ""}));
}
