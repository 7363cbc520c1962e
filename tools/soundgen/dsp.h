// Every building block of a sound effect in one include: the buffer and its shaping, the random
// numbers, the sources, the filters, the spaces and the loudness.
#pragma once

#include "buffer.h"
#include "filters.h"
#include "loudness.h"
#include "rng.h"
#include "sources.h"
#include "spaces.h"
