#include "profiles.h"
