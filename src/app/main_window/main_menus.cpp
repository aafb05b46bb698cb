#include "app/main_window/main_menus.h"

#include <QAction>
#include <QMenu>

namespace main_menus {

namespace {
Entry e(const char* name, const char* caption) {
    return {QString::fromUtf8(name), QString::fromUtf8(caption)};
}
}  // namespace

QList<Entry> fileEntries() {
    return {e("N21", "音乐杂志"), e("N8", "-"),        e("N25", "我要搜索"), e("N47", "-"),
            e("N35", "新歌上榜"), e("N24", "金曲推荐"), e("N23", "歌曲排行"), e("N44", "音乐电台"),
            e("N49", "我的收藏"), e("N26", "-"),        e("N45", "综合服务"), e("N46", "-"),
            e("N27", "退出")};
}

QList<Entry> helpEntries() {
    return {e("helpb", "使用指南"), e("N57", "疑难问题"), e("N48", "-"), e("MP31", "互动交流"),
            e("aboutb", "关于软件")};
}

QList<Entry> ringtoneEntries() {
    return {e("N15", "Mp3铃声、手机彩铃、手机图片、免费手机点歌")};
}

QList<Entry> servicesEntries() {
    return {e("user_info", "个人信息中心"), e("N40", "互动交流论坛"), e("N13", "-"),
            e("vip2", "捐助Lyravox"),       e("N43", "贡献排行榜"),   e("N9", "-"),
            e("broadcast", "传情信息台"),   e("N51", "-"),            e("download_button", "下载管理"),
            e("N18", "-"),                  e("up_music", "我要上传歌曲"), e("N4", "我要上传歌词"),
            e("N20", "我要发布杂志"),       e("N39", "-"),            e("N42", "Lyravox网站")};
}

QList<Entry> trayEntries() {
    return {e("showmain", "显示Lyravox"), e("MenuItem12", "-"), e("N17", "播　放"),
            e("N19", "暂　停"),           e("N30", "停　止"),    e("N33", "下一首"),
            e("N53", "上一首"),           e("N6", "-"),          e("abouta", "关于本软件"),
            e("bbs", "互动交流论坛"),     e("website", "Lyravox主页"), e("N7", "-"),
            e("exitlyravox", "退出")};
}

QMenu* build(const QString& objectName, const QString& title, const QList<Entry>& entries,
             QWidget* parent) {
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(objectName);
    for (const Entry& entry : entries) {
        QAction* action = entry.caption == QStringLiteral("-") ? menu->addSeparator()
                                                                : menu->addAction(entry.caption);
        action->setObjectName(entry.name);
    }
    return menu;
}

}  // namespace main_menus
