#pragma once
// Value types of the skin records: the enumerations of the description, the
// font many records share, and the table rows (key, field) from which every
// record class reads its keys.
#include "platform/Graphics.h"
#include "skin/SkinIni.h"

#include <QPoint>
#include <QString>
#include <span>
#include <variant>

enum class TbsMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };
enum class TbsInactiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// What a frame's caption button or system-menu item does. The skin's
// "command" words name all but cmRestore, which only the system menu offers;
// cmDefault is a custom button (no handler in this program asks for one) and
// stands wherever no command applies: no button, a menu divider.
enum class TbsStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray, cmRestore };

// An enumeration's words, in value order, and the value of a word that
// matches none of them. (A missing key takes the row's default instead.)
template <class E>
struct TEnumWords;
template <>
struct TEnumWords<TbsMorphKind> {
  static constexpr const char* Words[] = {"mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
                                          "mkleftslide", "mkrightslide", "mkpush"};
  static constexpr TbsMorphKind Unmatched = TbsMorphKind::mkDefault;
};
template <>
struct TEnumWords<TbsInactiveEffect> {
  static constexpr const char* Words[] = {"iebrightness", "iedarkness",   "iegrayscale",
                                          "ienoise",      "iesplitblur", "ieinvert"};
  static constexpr TbsInactiveEffect Unmatched = TbsInactiveEffect::ieGrayScale;
};
template <>
struct TEnumWords<TAlignment> {
  static constexpr const char* Words[] = {"taleftjustify", "tarightjustify", "tacenter"};
  static constexpr TAlignment Unmatched = TAlignment::taRightJustify;
};
template <>
struct TEnumWords<TbsStdCommand> {
  static constexpr const char* Words[] = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                          "cmdefault", "cmrollup",   "cmminimizetotray"};
  static constexpr TbsStdCommand Unmatched = TbsStdCommand::cmMinimizeToTray;
};

// An enumeration's value: `fallback` when the key is missing (null), the
// word's value on an exact match, else the enumeration's own fallback.
template <class E>
E EnumFromWord(const QString* word, E fallback) {
  if (!word) return fallback;
  int i = 0;
  for (const char* w : TEnumWords<E>::Words) {
    if (*word == QLatin1String(w)) return static_cast<E>(i);
    ++i;
  }
  return TEnumWords<E>::Unmatched;
}

template <class E>
E ReadEnum(const TbsIniTable& ini, const QString& section, const QString& key, E fallback) {
  const QString value = ini.ReadString(section, key);
  return EnumFromWord(ini.ValueExists(section, key) ? &value : nullptr, fallback);
}

// The font a record gives: four keys "fontname", "fontheight", "fontstyle"
// and "fontcolor" (with a prefix in front for a record's second font, as
// "captionfontname"), each defaulting as below.
struct TbsDataSkinFont {
  QString Name = QStringLiteral("Arial");
  int Height = 14;
  TFontStyles Style = 0;
  TColor Color = 0;

  // `own` with this font's name, height and style when `use` is on; the
  // colour and the character set stay `own`'s.
  TFont AppliedTo(const TFont& own, bool use = true) const {
    TFont font = own;
    if (use) {
      font.Name = Name;
      font.Height = Height;
      font.Style = Style;
    }
    return font;
  }
  TFont ToFont() const { return TFont::Make(Name, Height, Style, Color); }
  bool operator==(const TbsDataSkinFont&) const = default;
};

// One row of a record's key table: a key and the field it fills. The type
// of the field decides how the value is read (integer and colour alike); a
// font row fills the four font keys behind its prefix. A missing key leaves
// the field as it is.
template <class C>
struct TKeyRow {
  using TField = std::variant<int C::*, bool C::*, TRect C::*, QPoint C::*, QString C::*, TFontStyles C::*,
                              TbsMorphKind C::*, TbsInactiveEffect C::*, TAlignment C::*, TbsStdCommand C::*,
                              TbsDataSkinFont C::*>;
  const char* Key;  // a font row: the prefix ("" for the record's font)
  TField Field;
};

// The row of a record's font (the four font keys behind `prefix`).
template <class C>
constexpr TKeyRow<C> FontKeys(TbsDataSkinFont C::*font, const char* prefix = "") {
  return TKeyRow<C>{prefix, font};
}

namespace skinrecords_detail {
// One present value into one field. An integer that does not read keeps the
// field's value; an unknown enumeration word takes the enumeration's own
// fallback.
inline void Read(const QString& v, int& out) { out = skinvalue::ToInteger(v, out); }
inline void Read(const QString& v, bool& out) { out = skinvalue::ToBoolean(v); }
inline void Read(const QString& v, TRect& out) { out = skinvalue::ToRect(v); }
inline void Read(const QString& v, QPoint& out) { out = skinvalue::ToPoint(v); }
inline void Read(const QString& v, QString& out) { out = v; }
inline void Read(const QString& v, TFontStyles& out) { out = skinvalue::ToFontStyle(v); }
template <class E>
  requires std::is_enum_v<E>
void Read(const QString& v, E& out) {
  out = EnumFromWord(&v, out);
}

template <class T>
void ReadKey(const TbsIniTable::TSection* section, const char* key, T& out) {
  if (const QString* value = TbsIniTable::Value(section, key)) Read(*value, out);
}
void ReadFont(const TbsIniTable::TSection* section, const char* prefix, TbsDataSkinFont& out);
}  // namespace skinrecords_detail

// Reads every row of a table, in order, from one section into `target`.
template <class C, class T>
void ReadKeys(const TbsIniTable& ini, const QString& section, std::span<const TKeyRow<C>> rows, T& target) {
  const TbsIniTable::TSection* found = ini.Find(section);
  for (const TKeyRow<C>& row : rows) {
    std::visit(
        [&](auto member) {
          auto& field = target.*member;
          if constexpr (std::is_same_v<std::remove_reference_t<decltype(field)>, TbsDataSkinFont>)
            skinrecords_detail::ReadFont(found, row.Key, field);
          else
            skinrecords_detail::ReadKey(found, row.Key, field);
        },
        row.Field);
  }
}
