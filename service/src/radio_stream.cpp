#include "radio_stream.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace service {
namespace {

constexpr size_t kChunk = 4096;
constexpr size_t kHeadStart = 32 * 1024;

}  // namespace

void streamForever(httplib::Response& res, std::shared_ptr<const std::string> audio, int bytesPerSecond,
                   const std::atomic<bool>& stopping) {
    const auto start = std::make_shared<std::chrono::steady_clock::time_point>(std::chrono::steady_clock::now());
    res.status = 200;
    res.set_chunked_content_provider("audio/mpeg", [audio, bytesPerSecond, start, &stopping](size_t offset,
                                                                                             httplib::DataSink& sink) {
        if (audio->empty()) return false;
        // Wait until this chunk is due, waking often enough to notice a stop.
        if (offset > kHeadStart) {
            const auto due = *start + std::chrono::milliseconds((offset - kHeadStart) * 1000 / bytesPerSecond);
            while (std::chrono::steady_clock::now() < due) {
                if (stopping || !sink.is_writable()) return false;
                std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
                    due - std::chrono::steady_clock::now(), std::chrono::milliseconds(50)));
            }
        }
        if (stopping) return false;
        const size_t at = offset % audio->size();
        const size_t length = std::min(kChunk, audio->size() - at);
        return sink.write(audio->data() + at, length);
    });
}

}  // namespace service
