#include "profile_file.h"
