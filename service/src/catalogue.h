#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <mutex>
#include <vector>

namespace service {

struct Song {
    QString id, title, singer, album, category, date, url;
    int views = 0;
    bool recommended = false;
};

struct Singer {
    QString name, sex, region;
    QChar initial;
};

struct Station {
    QString id, title, intro, stream;
    int views = 0;
};

struct Magazine {
    QString id, title, issue, editor, date, ids;
    int views = 0;
};

// What a keyword search of get_q.php looks at, by its q_by number.
enum class SearchBy { Title = 0, Singer = 1, Album = 2 };

// The demo catalogue, read once from the data folder. Lookups return records in
// answer order; only the view counters change afterwards.
class Catalogue {
public:
    bool load(const QString& dataDir, QString* error);

    std::vector<Song> newSongs() const;        // newest first
    std::vector<Song> recommended() const;     // flagged songs, newest first
    std::vector<Song> ranking() const;         // most viewed first
    std::vector<Song> search(SearchBy by, const QString& keyword) const;
    std::vector<Song> ofSinger(const QString& name) const;
    std::vector<Song> ofAlbum(const QString& name) const;
    std::vector<Song> ofCategory(const QString& label) const;
    std::vector<Song> ofIds(const QString& ids) const;  // IDs joined by ","
    std::vector<Singer> singersByInitial(QChar letter) const;
    std::vector<Singer> singersByRegion(const QString& region) const;
    std::vector<Station> stations() const;
    std::vector<Magazine> magazines() const;  // newest first

    bool hasSong(const QString& id) const;
    // Counts one view of a song ("0"), station ("1") or magazine ("2").
    bool addView(const QString& kind, const QString& id);

    static const QStringList& categories();
    static const QStringList& regions();

private:
    std::vector<Song> withViews(std::vector<Song> songs) const;
    int viewsOf(const QString& kind, const QString& id, int base) const;

    std::vector<Song> songs_;
    std::vector<Singer> singers_;
    std::vector<Station> stations_;
    std::vector<Magazine> magazines_;
    mutable std::mutex viewsMutex_;
    std::map<QString, int> extraViews_;  // kind + ":" + id
};

}  // namespace service
