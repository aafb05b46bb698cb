#include "platform/sound_volume.h"

#include <algorithm>

namespace sound_volume {

std::uint32_t readOutput() {
    // The program is not linked with a mixer library yet.
    return kNoMixer;
}

int sliderPosition(std::uint32_t levels) {
    const int left = static_cast<int>((levels & 0xFFFFu) >> 8);
    const int right = static_cast<int>((levels >> 16) >> 8);
    return std::max(left, right);
}

}  // namespace sound_volume
