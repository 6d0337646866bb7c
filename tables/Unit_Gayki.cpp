#include "tables/Unit_Gayki.h"

#include "core/TorqueTables.h"

TForm_Gayki* Form_Gayki = nullptr;

namespace {
using enum TTablePart;

const TTableWindowDef kGayki = {
    .Name = "Form_Gayki",
    .Caption = "Окно гаек",
    .ClientWidth = 621,
    .ClientHeight = 352,
    .ClassPrompt = "Выберите класс прочности гайки по ГОСТ 1759.4:",
    .Classes = torque::NutGroups,
    .ClassNotice = "Выберите пожалуйста класс прочности гайки.",
    .MaxTorque = torque::NutMaxTorque,
    .Noun = &torque::kNutNoun,
    // Every part in the order it is made: later parts stack above earlier ones.
    .Parts = {{DiameterPrompt, {75, 16, 355, 20}},
              {ClassPrompt, {10, 56, 424, 20}},
              {DiameterList, {440, 16, 95, 22}},
              {ClassList, {440, 53, 96, 22}},
              {JointList, {440, 101, 96, 22}},
              {JointPrompt, {180, 104, 249, 20}},
              {ShowButton, {168, 149, 151, 41}},
              {ValueLabel, {472, 151, 65, 22}},
              {SentenceField, {8, 200, 599, 22}},
              {CopyButton, {101, 229, 383, 40}},
              {LaunchButton, {113, 291, 199, 40}},
              {PathButton, {410, 293, 183, 41}},
              {PathDialog, {}},
              {TorqueCaption, {384, 152, 86, 20}},
              {UnitCaption, {543, 152, 27, 20}}},
    .Tabs = {DiameterList, ClassList, JointList, ShowButton, ValueLabel,
             SentenceField, CopyButton, LaunchButton, PathButton},
};
}  // namespace

TForm_Gayki::TForm_Gayki(QWidget* parent) : TTableWindow(kGayki, parent) {}
