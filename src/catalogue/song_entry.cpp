#include "catalogue/song_entry.h"
