#include "skin/SkinData.h"

TbsSkinData::TbsSkinData(QObject* owner) : QObject(owner) {}
TbsSkinData::~TbsSkinData() = default;

int TbsSkinData::FindObjectIndex(const QString&) const { return -1; }
int TbsSkinData::FindControlIndex(const QString&) const { return -1; }
