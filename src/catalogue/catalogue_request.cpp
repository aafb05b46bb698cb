#include "catalogue/catalogue_request.h"

#include "catalogue/url_escape.h"
#include "platform/gbk.h"

namespace catalogue_request {
namespace {

QByteArray raw(const QString& text) {
    return gbk::fromUnicode(text);
}

QByteArray number(int value) {
    return QByteArray::number(value);
}

// "p=" page "&n=" size
QByteArray paging(int page, const QString& pageSize) {
    return "p=" + number(page) + "&n=" + raw(pageSize);
}

QByteArray pagedList(const QString& serverUrl, const char* path, int page, const QString& pageSize) {
    return raw(serverUrl) + path + "?" + paging(page, pageSize);
}

QByteArray directSearch(const QString& serverUrl, const QString& name, const char* by, int page,
                        const QString& pageSize) {
    return raw(serverUrl) + "get_zhijie.php?q=" + urlEscape(name) + "&q_by=" + by + "&" +
           paging(page, pageSize);
}

}  // namespace

QString searchKeyword(const QString& boxText) {
    qsizetype first = 0;
    qsizetype end = boxText.size();
    while (first < end && boxText.at(first).unicode() <= 0x20) ++first;
    while (end > first && boxText.at(end - 1).unicode() <= 0x20) --end;
    return boxText.mid(first, end - first);
}

QByteArray keywordSearch(const QString& serverUrl, const QString& boxText, int searchBy, int page,
                         const QString& pageSize) {
    return raw(serverUrl) + "get_q.php?q=" + urlEscape(searchKeyword(boxText)) + "&q_by=" +
           number(searchBy) + "&" + paging(page, pageSize);
}

QByteArray magazineContents(const QString& serverUrl, const QString& ids) {
    return raw(serverUrl) + "get_zazhi.php?ids=" + raw(ids);
}

QByteArray singerSongs(const QString& serverUrl, const QString& singer, int page, const QString& pageSize) {
    return directSearch(serverUrl, singer, "0", page, pageSize);
}

QByteArray albumSongs(const QString& serverUrl, const QString& album, int page, const QString& pageSize) {
    return directSearch(serverUrl, album, "1", page, pageSize);
}

QByteArray categorySongs(const QString& serverUrl, const QString& category, int page,
                         const QString& pageSize) {
    return raw(serverUrl) + "get_fenlei.php?fenlei=" + urlEscape(category) + "&" + paging(page, pageSize);
}

QByteArray newSongs(const QString& serverUrl, int page, const QString& pageSize) {
    return pagedList(serverUrl, "get_xinge.php", page, pageSize);
}

QByteArray recommendations(const QString& serverUrl, int page, const QString& pageSize) {
    return pagedList(serverUrl, "get_tuijian.php", page, pageSize);
}

QByteArray rankings(const QString& serverUrl, int page, const QString& pageSize) {
    return pagedList(serverUrl, "get_paihang.php", page, pageSize);
}

QByteArray radioStations(const QString& serverUrl, int page, const QString& pageSize) {
    return pagedList(serverUrl, "get_diantai.php", page, pageSize);
}

QByteArray magazineList(const QString& serverUrl, int page, const QString& pageSize) {
    return pagedList(serverUrl, "get_zazhi_list.php", page, pageSize);
}

QByteArray singersByInitial(const QString& serverUrl, const QString& letter) {
    return raw(serverUrl) + "getgeshou_zimu.php?zimu=" + raw(letter);
}

QByteArray singersByRegion(const QString& serverUrl, const QString& region) {
    return raw(serverUrl) + "getgeshou_diqu.php?diqu=" + raw(region);
}

}  // namespace catalogue_request
