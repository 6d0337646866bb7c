#include "core/CalcData.h"

QStringList MaterialItems() {
  QStringList out;
  for (const TMaterial& m : kMaterials) out << QString::fromUtf8(m.Name);
  return out;
}
