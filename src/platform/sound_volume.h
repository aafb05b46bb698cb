#pragma once

#include <cstdint>

// Output volume of the sound device as two 16-bit channel levels, left in the
// low half and right in the high half.
namespace sound_volume {

// Both channels at full level: what the program assumes where no mixer can be
// reached, so the volume slider starts at its top and drives the player itself.
constexpr std::uint32_t kNoMixer = 0xFFFFFFFFu;

std::uint32_t readOutput();

// The larger channel's high byte, 0..255.
int sliderPosition(std::uint32_t levels);

}  // namespace sound_volume
