#include "option_lists.h"
