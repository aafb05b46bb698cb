#include "catalogue/catalogue_page.h"

#include "catalogue/gbk_fit.h"
#include "platform/xml.h"

#include <array>

namespace {

template <typename Record>
struct Field {
    QString element;
    QString Record::*member;
};

template <typename Record, std::size_t N>
using Fields = std::array<Field<Record>, N>;

bool holdsMarkup(const XmlElement& field) {
    return field.holdsElement() || field.holdsComment() || field.holdsCdata();
}

// Fills the record field by field; returns how many were read before a malformed one.
template <typename Record, std::size_t N>
int readRecord(const XmlElement& element, const Fields<Record, N>& fields, Record& record) {
    int read = 0;
    for (const Field<Record>& field : fields) {
        const XmlElement value = element.firstChild(field.element);
        if (holdsMarkup(value)) return read;
        record.*field.member = gbkFit(value.text());
        ++read;
    }
    return read;
}

template <typename Record, std::size_t N>
DecodedPage<Record> decode(const QByteArray& trimmed, const Fields<Record, N>& fields, bool paged) {
    using Outcome = typename DecodedPage<Record>::Outcome;
    DecodedPage<Record> result;
    const XmlDocument document = XmlDocument::parse(trimmed);
    if (document.isNull()) {
        result.outcome = Outcome::NotWellFormed;
        return result;
    }
    for (const XmlElement& group : document.root().children()) {
        if (paged && group.attributeCount() < 3) {
            result.outcome = Outcome::Malformed;
            return result;
        }
        const QList<XmlElement> records = group.children();
        if (records.isEmpty()) continue;
        const std::optional<PageInfo> groupPage =
            paged ? std::optional(PageInfo{gbkFit(group.attribute(0)), gbkFit(group.attribute(1)),
                                           gbkFit(group.attribute(2))})
                  : std::nullopt;
        result.records.reserve(result.records.size() + records.size());
        for (const XmlElement& element : records) {
            result.records.append(Record{});
            result.lastRecordFields = readRecord(element, fields, result.records.last());
            if (result.lastRecordFields < int(N)) {
                result.outcome = Outcome::Malformed;
                return result;
            }
            result.page = groupPage;
        }
    }
    return result;
}

const Fields<SongEntry, 7>& songFields() {
    static const Fields<SongEntry, 7> fields{{
        {QStringLiteral("Title"), &SongEntry::title},
        {QStringLiteral("Author"), &SongEntry::singer},
        {QStringLiteral("Zhuanji"), &SongEntry::album},
        {QStringLiteral("View"), &SongEntry::popularity},
        {QStringLiteral("Shijian"), &SongEntry::date},
        {QStringLiteral("ID"), &SongEntry::id},
        {QStringLiteral("Url"), &SongEntry::url},
    }};
    return fields;
}

const Fields<StationEntry, 5>& stationFields() {
    static const Fields<StationEntry, 5> fields{{
        {QStringLiteral("Title"), &StationEntry::title},
        {QStringLiteral("Intro"), &StationEntry::intro},
        {QStringLiteral("View"), &StationEntry::popularity},
        {QStringLiteral("ID"), &StationEntry::id},
        {QStringLiteral("Url"), &StationEntry::url},
    }};
    return fields;
}

const Fields<MagazineEntry, 7>& magazineFields() {
    static const Fields<MagazineEntry, 7> fields{{
        {QStringLiteral("Title"), &MagazineEntry::title},
        {QStringLiteral("Qihao"), &MagazineEntry::issue},
        {QStringLiteral("Author"), &MagazineEntry::editor},
        {QStringLiteral("View"), &MagazineEntry::popularity},
        {QStringLiteral("Shijian"), &MagazineEntry::date},
        {QStringLiteral("Id"), &MagazineEntry::id},
        {QStringLiteral("Ids"), &MagazineEntry::ids},
    }};
    return fields;
}

const Fields<SingerEntry, 2>& singerFields() {
    static const Fields<SingerEntry, 2> fields{{
        {QStringLiteral("Sex"), &SingerEntry::sex},
        {QStringLiteral("Singer"), &SingerEntry::name},
    }};
    return fields;
}

}  // namespace

DecodedPage<SongEntry> decodeSongPage(const QByteArray& trimmed) {
    return decode(trimmed, songFields(), true);
}

DecodedPage<StationEntry> decodeStationPage(const QByteArray& trimmed) {
    return decode(trimmed, stationFields(), true);
}

DecodedPage<MagazineEntry> decodeMagazinePage(const QByteArray& trimmed) {
    return decode(trimmed, magazineFields(), true);
}

DecodedPage<SingerEntry> decodeSingerList(const QByteArray& trimmed) {
    return decode(trimmed, singerFields(), false);
}
