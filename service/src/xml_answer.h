#pragma once

#include "answer.h"
#include "catalogue.h"
#include "paging.h"

#include <vector>

namespace service {

// The XML documents of the catalogue pages: a root, one group element whose
// first three attributes are total, page and pages, one record per row.
// Callers answer "nill" and "eof" themselves; these take a page with records.
Answer songPage(const std::vector<Song>& songs, const Page& page, Encoding encoding);
Answer stationPage(const std::vector<Station>& stations, const Page& page, const QString& streamBase,
                   Encoding encoding);
Answer magazinePage(const std::vector<Magazine>& magazines, const Page& page, Encoding encoding);
// Singer lists have no paging and no markers: an empty list is an empty group.
Answer singerList(const std::vector<Singer>& singers, Encoding encoding);

QString xmlEscaped(const QString& text);

}  // namespace service
