#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The service's three base addresses, set once at start.
struct BaseAddresses {
    QString site_url;    // web site root, ends in "/"
    QString server_url;  // site_url + "lyravox3.0/", base of every web-server request
    QString file_url;    // file server, ends in "/"
};

BaseAddresses defaultBaseAddresses();

// Reads "--site-url URL" and "--file-url URL" (also "--opt=URL") from the
// arguments after the program name. Any other argument is an error: nullopt,
// with a line for the user in *error.
std::optional<BaseAddresses> parseBaseAddresses(const QStringList& arguments, QString* error);
