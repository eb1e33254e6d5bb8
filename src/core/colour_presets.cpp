#include "colour_presets.h"
