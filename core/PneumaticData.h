#pragma once
// The reference table of tightening torques for pneumatic fittings, as
// printed: a title, four column headings and six groups of rows.
#include <QString>
#include <QStringList>
#include <vector>

// How the rows of a group are divided into cells.
enum class TFittingLayout {
  Full,        // name | designation | torque | wrench size
  NoDesignation,  // name over the name and designation columns | torque | wrench size
  NameTorque,  // name over the name and designation columns | torque; no wrench column
};

struct TFittingRow {
  QString Name;
  QString Designation;  // empty where the layout has no designation
  QString Torque;       // "lower…upper", N·m
  QString Wrench;       // wrench size across flats; may be empty
};

struct TFittingGroup {
  TFittingLayout Layout;
  std::vector<TFittingRow> Rows;
};

QString PneumaticTitle();
QStringList PneumaticHeader();
const std::vector<TFittingGroup>& PneumaticGroups();
