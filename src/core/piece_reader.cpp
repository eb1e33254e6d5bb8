#include "piece_reader.h"
