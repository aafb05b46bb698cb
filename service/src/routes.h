#pragma once

#include "answer.h"
#include "service_data.h"

#include <httplib.h>

namespace service {

void addCatalogueRoutes(httplib::Server& server, ServiceData& data);
void addAccountRoutes(httplib::Server& server, ServiceData& data);
void addSitePages(httplib::Server& server, ServiceData& data);
void addFileRoutes(httplib::Server& server, ServiceData& data);

// Base of the web server's requests.
inline constexpr const char* kServerBase = "/lyravox3.0/";

void reply(httplib::Response& res, const Answer& answer);
void refuse(httplib::Response& res, int status, const char* why);

}  // namespace service
