#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

// The main window's own fields that other parts of the program read and write.
struct MainState {
    // Set once the session manager asks whether the program may end; only
    // then does closing the main window really close it.
    bool shutdown_pending = false;

    QString site_url;
    QString server_url;
    QString file_url;

    QString skin_name;
    int cur_view = 0;
    QString cur_list_name;
    QStringList random_played;

    // Replaced whole, never edited in place, so a reader always sees one version.
    std::shared_ptr<const QStringList> lrc_timeline;
    QStringList lrc_source;
    bool lrc_show = false;
    int lrc_width = 0;
    int lrc_font_size = 0;
    // Colours as 00BBGGRR values.
    std::uint32_t lrc_color_normal = 0;
    std::uint32_t lrc_color_current = 0;
    QString lrc_style;
    QStringList lrc_styles;

    bool download_stopped = false;
    bool download_found = false;
};
