#pragma once

#include <httplib.h>

#include <atomic>
#include <memory>
#include <string>

namespace service {

// Sends the bytes of one audio file over and over, for as long as the listener
// stays, at about the pace it plays (after a head start that fills the player's
// buffer). Ends when the client goes away or the service stops.
void streamForever(httplib::Response& res, std::shared_ptr<const std::string> audio, int bytesPerSecond,
                   const std::atomic<bool>& stopping);

}  // namespace service
