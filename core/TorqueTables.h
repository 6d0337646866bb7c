#pragma once
// The torque tables of the bolt and nut windows, held once as data, and the
// result sentence. Everything here is text: diameters, classes and torques
// are compared whole and character for character, never read as numbers.
#include <QString>
#include <QStringList>
#include <optional>

namespace torque {

// The fixed wordings that stand instead of a sentence.
extern const QString kNotDefined;    // "Не определён"
extern const QString kNotRegulated;  // "Не регламентирован"

// List texts of the windows.
QStringList Diameters();      // "6" .. "24"
QStringList BoltClasses();    // "5.8" .. "12.9"
QStringList NutGroups();      // "4;5;6" .. "10;12", column by column with the bolt classes
QStringList JointClasses();   // "1" .. "4"

// Maximum tightening torque by diameter and bolt class (or nut class group):
// the torque text, or nothing when no row has exactly these texts.
std::optional<QString> BoltMaxTorque(const QString& diameter, const QString& boltClass);
std::optional<QString> NutMaxTorque(const QString& diameter, const QString& nutGroup);

// The joint-class range table: the minimum torque text or a fixed wording
// for a maximum torque text and a joint class text; nothing without a row.
std::optional<QString> JointRange(const QString& maxTorque, const QString& jointClass);
// Keys of the range table in stored order (ascending maximum, classes 1-4).
struct TRangeRow {
  QString MaxTorque;
  QString JointClass;
  QString Value;
};
QList<TRangeRow> RangeRows();

// "Момент затяжки <noun> поз.  Мкр от <min> Nm до <max> Nm, класс <joint> по СТБ 1879-2008."
QString ResultSentence(const QString& noun, const QString& minTorque, const QString& maxTorque,
                       const QString& jointClass);
// What the result field receives for a maximum torque and a joint class:
// the sentence, or a fixed wording alone; nothing when the pair has no row
// (the field then keeps its text).
std::optional<QString> ResultText(const QString& noun, const QString& maxTorque, const QString& jointClass);

// Window nouns.
extern const QString kBoltNoun;  // "болта"
extern const QString kNutNoun;   // "гайки"

}  // namespace torque
