#include "catalogue/song_entry.h"

#include <gtest/gtest.h>
