#include "app/effects/AlphaEffects.h"
