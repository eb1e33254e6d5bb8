#include "shipping_composer.h"
