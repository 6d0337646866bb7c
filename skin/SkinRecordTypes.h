#pragma once
// Value types of the skin records: the enumerations of the description and
// the table rows (key, type, default, field) from which every record class
// reads its keys.
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

// One key of a record: its name, where it goes, and its default. The type of
// the field decides how the value is read (integer and colour alike).
template <class C>
struct TKeyRow {
  using TField = std::variant<int C::*, bool C::*, TRect C::*, QPoint C::*, QString C::*, TFontStyles C::*,
                              TbsMorphKind C::*, TbsInactiveEffect C::*, TAlignment C::*, TbsStdCommand C::*>;
  const char* Key;
  TField Field;
  int Default = 0;              // integers, colours, Booleans, enumerations
  const char* Text = nullptr;   // strings

  constexpr TKeyRow(const char* key, TField field, int fallback = 0) : Key(key), Field(field), Default(fallback) {}
  template <class E>
    requires std::is_enum_v<E>
  constexpr TKeyRow(const char* key, E C::*field, E fallback) : Key(key), Field(field), Default(int(fallback)) {}
  constexpr TKeyRow(const char* key, QString C::*field, const char* text) : Key(key), Field(field), Text(text) {}
};

namespace skinrecords_detail {
// One value into one field; `v` is null when the key is missing.
inline void Read(const QString* v, int def, const char*, int& out) { out = v ? skinvalue::ToInteger(*v, def) : def; }
inline void Read(const QString* v, int def, const char*, bool& out) { out = v ? skinvalue::ToBoolean(*v) : def != 0; }
inline void Read(const QString* v, int, const char*, TRect& out) { out = v ? skinvalue::ToRect(*v) : TRect(); }
inline void Read(const QString* v, int, const char*, QPoint& out) { out = v ? skinvalue::ToPoint(*v) : QPoint(); }
inline void Read(const QString* v, int, const char* text, QString& out) {
  out = v ? *v : text ? QString::fromLatin1(text) : QString();
}
inline void Read(const QString* v, int, const char*, TFontStyles& out) { out = v ? skinvalue::ToFontStyle(*v) : 0; }
template <class E>
  requires std::is_enum_v<E>
void Read(const QString* v, int def, const char*, E& out) {
  out = EnumFromWord(v, static_cast<E>(def));
}
}  // namespace skinrecords_detail

// Reads every row of a table, in order, from one section into `target`.
template <class C, class T>
void ReadKeys(const TbsIniTable& ini, const QString& section, std::span<const TKeyRow<C>> rows, T& target) {
  const TbsIniTable::TSection* found = ini.Find(section);
  for (const TKeyRow<C>& row : rows) {
    const QString* value = TbsIniTable::Value(found, row.Key);
    std::visit([&](auto member) { skinrecords_detail::Read(value, row.Default, row.Text, target.*member); },
               row.Field);
  }
}
