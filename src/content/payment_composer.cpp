#include "payment_composer.h"
