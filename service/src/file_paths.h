#pragma once

#include <QString>

#include <optional>

namespace service {

// The file under root that a request path names, or nothing when the path is not
// a plain relative path (empty, "." or ".." segments, hidden names, backslashes)
// or leads outside root. The path has been percent-decoded and read as GBK.
std::optional<QString> fileUnder(const QString& root, const QString& relative);

// Where the lyric of a song lies on the file server: "lrc/" + (ID div 1000) + "/" + ID + ".lrc".
// Returns the ID when relative has that form with matching numbers.
std::optional<QString> lyricId(const QString& relative);

}  // namespace service
