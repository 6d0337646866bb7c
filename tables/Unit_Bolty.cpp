#include "tables/Unit_Bolty.h"

#include "core/TorqueTables.h"
#include "handoff/Handoff.h"

TForm_Bolty* Form_Bolty = nullptr;

namespace {
using enum TTablePart;

const TTableWindowDef kBolty = {
    .Name = "Form_Bolty",
    .Caption = "Окно болтов",
    .ClientWidth = 593,
    .ClientHeight = 362,
    .ClassPrompt = "Выберите класс прочности болта по ГОСТ 1759.4:",
    .Classes = torque::BoltClasses,
    .ClassNotice = "Выберите пожалуйста класс прочности болта.",
    .MaxTorque = torque::BoltMaxTorque,
    .Noun = &torque::kBoltNoun,
    // Every part in the order it is made: later parts stack above earlier ones.
    .Parts = {{DiameterPrompt, {75, 16, 355, 20}},
              {ClassPrompt, {10, 56, 428, 20}},
              {JointPrompt, {180, 104, 249, 20}},
              {DiameterList, {440, 16, 81, 22}},
              {ClassList, {440, 53, 81, 22}},
              {JointList, {440, 101, 81, 22}},
              {ShowButton, {218, 137, 151, 41}},
              {SentenceField, {8, 200, 577, 22}},
              {CopyButton, {114, 241, 383, 40}},
              {ValueLabel, {472, 151, 60, 22}},
              {LaunchButton, {118, 303, 199, 40}},
              {PathDialog, {}},
              {PathButton, {338, 305, 183, 41}},
              {TorqueCaption, {384, 152, 86, 20}},
              {UnitCaption, {543, 152, 27, 20}}},
    .Tabs = {DiameterList, ClassList, JointList, ShowButton, SentenceField,
             CopyButton, ValueLabel, LaunchButton, PathButton},
};
}  // namespace

TForm_Bolty::TForm_Bolty(QWidget* parent) : TTableWindow(kBolty, parent) {
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TForm_Bolty::FormShow(TObject*) { TakeProgramFolder(); }
