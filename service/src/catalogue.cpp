#include "catalogue.h"

#include "text_table.h"

#include <QDir>

#include <algorithm>

namespace service {
namespace {

const QString kAnything = QStringLiteral("随意听听");

// A fixed shuffle for "listen to anything": the same order on every run.
quint32 shuffleKey(const QString& id) {
    quint32 h = 2166136261u;
    for (QChar c : id) h = (h ^ c.unicode()) * 16777619u;
    return h;
}

int number(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 ? value : 0;
}

template <typename T, typename Less>
std::vector<T> sorted(std::vector<T> items, Less less) {
    std::stable_sort(items.begin(), items.end(), less);
    return items;
}

bool newerFirst(const Song& a, const Song& b) {
    return a.date != b.date ? a.date > b.date : a.id > b.id;
}

}  // namespace

const QStringList& Catalogue::categories() {
    static const QStringList labels = {
        "国语歌曲", "粤语闽南", "英文歌曲", "日韩歌曲", "外文其它", "网络歌曲", "DJ舞曲", "影视歌曲",
        "民族美声", "校园民谣", "军旅歌曲", "儿童歌曲", "曲艺综合", "纯音乐", "另类其它", "随意听听"};
    return labels;
}

const QStringList& Catalogue::regions() {
    static const QStringList labels = {"大陆地区", "港台地区", "新马地区", "欧美地区", "日韩地区", "其它地区"};
    return labels;
}

bool Catalogue::load(const QString& dataDir, QString* error) {
    const QDir dir(dataDir);
    QList<QStringList> rows;
    auto read = [&](const char* name) {
        rows.clear();
        if (readTextTable(dir.filePath(QString::fromLatin1(name)), rows)) return true;
        if (error) *error = QStringLiteral("cannot read %1").arg(dir.filePath(QString::fromLatin1(name)));
        return false;
    };

    if (!read("songs.tsv")) return false;
    for (const QStringList& r : rows) {
        songs_.push_back(Song{field(r, 0), field(r, 1), field(r, 2), field(r, 3), field(r, 4), field(r, 6),
                              field(r, 7), number(field(r, 5)), field(r, 8) == "1"});
    }
    if (!read("singers.tsv")) return false;
    for (const QStringList& r : rows) {
        const QString initial = field(r, 3).toUpper();
        singers_.push_back(Singer{field(r, 0), field(r, 1), field(r, 2), initial.isEmpty() ? QChar() : initial[0]});
    }
    if (!read("stations.tsv")) return false;
    for (const QStringList& r : rows) {
        stations_.push_back(Station{field(r, 0), field(r, 1), field(r, 2), field(r, 4), number(field(r, 3))});
    }
    if (!read("magazines.tsv")) return false;
    for (const QStringList& r : rows) {
        magazines_.push_back(Magazine{field(r, 0), field(r, 1), field(r, 2), field(r, 3), field(r, 5),
                                      field(r, 6), number(field(r, 4))});
    }
    return true;
}

int Catalogue::viewsOf(const QString& kind, const QString& id, int base) const {
    std::lock_guard lock(viewsMutex_);
    const auto it = extraViews_.find(kind + u':' + id);
    return it == extraViews_.end() ? base : base + it->second;
}

std::vector<Song> Catalogue::withViews(std::vector<Song> songs) const {
    for (Song& s : songs) s.views = viewsOf("0", s.id, s.views);
    return songs;
}

std::vector<Song> Catalogue::newSongs() const {
    return withViews(sorted(songs_, newerFirst));
}

std::vector<Song> Catalogue::recommended() const {
    std::vector<Song> out;
    std::copy_if(songs_.begin(), songs_.end(), std::back_inserter(out), [](const Song& s) { return s.recommended; });
    return withViews(sorted(out, newerFirst));
}

std::vector<Song> Catalogue::ranking() const {
    return sorted(withViews(songs_), [](const Song& a, const Song& b) {
        return a.views != b.views ? a.views > b.views : a.id < b.id;
    });
}

std::vector<Song> Catalogue::search(SearchBy by, const QString& keyword) const {
    std::vector<Song> out;
    if (keyword.isEmpty()) return out;
    for (const Song& s : songs_) {
        const QString& text = by == SearchBy::Title ? s.title : by == SearchBy::Singer ? s.singer : s.album;
        if (text.contains(keyword, Qt::CaseInsensitive)) out.push_back(s);
    }
    return withViews(out);
}

std::vector<Song> Catalogue::ofSinger(const QString& name) const {
    std::vector<Song> out;
    std::copy_if(songs_.begin(), songs_.end(), std::back_inserter(out), [&](const Song& s) { return s.singer == name; });
    return withViews(sorted(out, newerFirst));
}

std::vector<Song> Catalogue::ofAlbum(const QString& name) const {
    std::vector<Song> out;
    if (name.isEmpty()) return out;
    std::copy_if(songs_.begin(), songs_.end(), std::back_inserter(out), [&](const Song& s) { return s.album == name; });
    return withViews(out);
}

std::vector<Song> Catalogue::ofCategory(const QString& label) const {
    if (label == kAnything) {
        return withViews(sorted(songs_, [](const Song& a, const Song& b) { return shuffleKey(a.id) < shuffleKey(b.id); }));
    }
    std::vector<Song> out;
    std::copy_if(songs_.begin(), songs_.end(), std::back_inserter(out), [&](const Song& s) { return s.category == label; });
    return withViews(sorted(out, newerFirst));
}

std::vector<Song> Catalogue::ofIds(const QString& ids) const {
    std::vector<Song> out;
    for (const QString& id : ids.split(u',', Qt::SkipEmptyParts)) {
        const auto it = std::find_if(songs_.begin(), songs_.end(), [&](const Song& s) { return s.id == id.trimmed(); });
        if (it != songs_.end()) out.push_back(*it);
    }
    return withViews(out);
}

std::vector<Singer> Catalogue::singersByInitial(QChar letter) const {
    std::vector<Singer> out;
    std::copy_if(singers_.begin(), singers_.end(), std::back_inserter(out),
                 [&](const Singer& s) { return s.initial == letter; });
    return out;
}

std::vector<Singer> Catalogue::singersByRegion(const QString& region) const {
    std::vector<Singer> out;
    std::copy_if(singers_.begin(), singers_.end(), std::back_inserter(out),
                 [&](const Singer& s) { return s.region == region; });
    return out;
}

std::vector<Station> Catalogue::stations() const {
    std::vector<Station> out = stations_;
    for (Station& s : out) s.views = viewsOf("1", s.id, s.views);
    return out;
}

std::vector<Magazine> Catalogue::magazines() const {
    std::vector<Magazine> out = magazines_;
    for (Magazine& m : out) m.views = viewsOf("2", m.id, m.views);
    return sorted(out, [](const Magazine& a, const Magazine& b) { return a.date > b.date; });
}

bool Catalogue::hasSong(const QString& id) const {
    return std::any_of(songs_.begin(), songs_.end(), [&](const Song& s) { return s.id == id; });
}

bool Catalogue::addView(const QString& kind, const QString& id) {
    bool known = false;
    if (kind == "0") known = hasSong(id);
    else if (kind == "1") known = std::any_of(stations_.begin(), stations_.end(), [&](const Station& s) { return s.id == id; });
    else if (kind == "2") known = std::any_of(magazines_.begin(), magazines_.end(), [&](const Magazine& m) { return m.id == id; });
    if (!known) return false;
    std::lock_guard lock(viewsMutex_);
    ++extraViews_[kind + u':' + id];
    return true;
}

}  // namespace service
