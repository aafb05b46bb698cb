#include "catalogue/play_count_report.h"

#include "catalogue/song_entry.h"
#include "platform/gbk.h"

namespace play_count_report {

bool isReported(const QString& playId) {
    return !isLocalSongId(playId);
}

QByteArray url(const QString& serverUrl, const QString& playId, const QString& playFenlei) {
    return gbk::fromUnicode(serverUrl) + "up_view.php?id=" + gbk::fromUnicode(playId) +
           "&fenlei=" + gbk::fromUnicode(playFenlei);
}

}  // namespace play_count_report
