#pragma once

// Whether the embedded media player can be used on this machine: libmpv can be
// created and initialised (without video or audio output for the test).
bool mediaPlayerAvailable();
