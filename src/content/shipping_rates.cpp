#include "shipping_rates.h"
