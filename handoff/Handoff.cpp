#include "handoff/Handoff.h"
