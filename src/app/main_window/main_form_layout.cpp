// The main window's widgets and the commands that already have somewhere to go.
#include "app/main_window/main_form.h"

#include "app/main_window/busy_panel.h"
#include "app/main_window/list_columns.h"
#include "app/main_window/main_menus.h"
#include "app/main_window/marquee_label.h"
#include "app/main_window/pictures.h"
#include "app/main_window/player_bar.h"
#include "app/main_window/report_list.h"
#include "app/main_window/search_page.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget* listPage(const QString& name, const QString& caption, QWidget* content) {
    auto* page = new QWidget;
    page->setObjectName(name);
    page->setWindowTitle(caption);
    auto* fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(content);
    return page;
}

ReportList* songList(const QString& name) {
    return new ReportList(name, list_columns::songs(),
                          QStringLiteral("右键查看下一页、下载歌曲、收藏歌曲!!"));
}

QLabel* pane(const QString& name, const QString& text, const QString& hint, int width) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setToolTip(hint);
    if (width > 0) label->setFixedWidth(width);
    return label;
}

struct PageButton {
    const char* name;
    const char* caption;
    const char* page;  // empty for the services button
};

const PageButton kPageButtons[] = {
    {"fenlei_b", "我要搜索", "mts9"},   {"xinge_b", "新歌上榜", "mts2"},
    {"tuijian_b", "金曲推荐", "mts4"},  {"paihang_b", "歌曲排行", "mts5"},
    {"zazhi_b", "音乐杂志", "mts8"},    {"diantai_b", "音乐电台", "mts6"},
    {"sousuo_b", "搜索结果", "mts1"},   {"shoucang_b", "我的收藏", "mts7"},
    {"zonghe_b", "综合服务", ""},
};

// File-menu entries that do what a button of the row does.
const std::pair<const char*, const char*> kFileMenuTwins[] = {
    {"N21", "zazhi_b"},   {"N25", "fenlei_b"},   {"N35", "xinge_b"},
    {"N24", "tuijian_b"}, {"N23", "paihang_b"},  {"N44", "diantai_b"},
    {"N49", "shoucang_b"}, {"N45", "zonghe_b"},
};

// Entries whose commands open web pages, the about box or drive the player:
// they come with that work and stay off until then.
const char* const kNotYetWired[] = {
    "helpb", "N57", "MP31", "aboutb", "N15",
    "user_info", "N40", "vip2", "N43", "broadcast", "up_music", "N4", "N20", "N42",
    "N17", "N19", "N30", "N33", "N53", "abouta", "bbs", "website",
};

}  // namespace

void TForm1::buildLayout() {
    setWindowIcon(pictures::programIcon());
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildBanner());

    auto* mainArea = new QWidget(central);
    mainArea->setObjectName(QStringLiteral("main_p"));
    auto* mainColumn = new QVBoxLayout(mainArea);
    mainColumn->setContentsMargins(0, 0, 0, 0);
    mainColumn->setSpacing(0);
    mainColumn->addWidget(buildPages(), 1);
    busy_ = new BusyPanel(mainArea);
    mainColumn->addWidget(buildStatusLine());
    mainColumn->addWidget(buildButtonRow());
    playerBar_ = new PlayerBar(mainArea);
    mainColumn->addWidget(playerBar_);
    column->addWidget(mainArea, 1);
    setCentralWidget(central);

    buildStatusBar();
    buildMenus();
    buildTray();
    connectCommands();
}

QWidget* TForm1::buildBanner() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFixedHeight(60);
    banner_ = new QTextBrowser(panel);
    banner_->setObjectName(QStringLiteral("ad_web"));
    banner_->setFrameShape(QFrame::NoFrame);
    banner_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    banner_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    banner_->setOpenLinks(false);
    banner_->document()->setDocumentMargin(0);
    QFile local(context_.programDir + QStringLiteral("/load_top.vsh"));
    if (local.open(QIODevice::ReadOnly)) banner_->setHtml(QString::fromUtf8(local.readAll()));
    auto* fill = new QVBoxLayout(panel);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(banner_);
    return panel;
}

QWidget* TForm1::buildPages() {
    pages_ = new QStackedWidget;
    pages_->setObjectName(QStringLiteral("list_page"));
    pages_->setToolTip(QStringLiteral("右键下载、收藏!!"));
    pages_->addWidget(listPage(QStringLiteral("mts1"), QStringLiteral("搜索结果"), songList(QStringLiteral("sousuo_lv"))));
    pages_->addWidget(listPage(QStringLiteral("mts2"), QStringLiteral("新歌"), songList(QStringLiteral("xinge_lv"))));
    pages_->addWidget(listPage(QStringLiteral("mts4"), QStringLiteral("推荐"), songList(QStringLiteral("tuijian_lv"))));
    pages_->addWidget(listPage(QStringLiteral("mts5"), QStringLiteral("排行"), songList(QStringLiteral("paihang_lv"))));
    pages_->addWidget(listPage(QStringLiteral("mts6"), QStringLiteral("电台"),
                               new ReportList(QStringLiteral("diantai_lv"), list_columns::radio(),
                                              QStringLiteral("右键查看下一页!!"))));
    pages_->addWidget(listPage(QStringLiteral("mts7"), QStringLiteral("收藏"),
                               new ReportList(QStringLiteral("shoucang_lv"), list_columns::favourites(),
                                              QStringLiteral("右键切换、管理收藏夹、下载歌曲!!"))));
    pages_->addWidget(listPage(QStringLiteral("mts8"), QStringLiteral("杂志"),
                               new ReportList(QStringLiteral("zazhi_lv"), list_columns::magazines(),
                                              QStringLiteral("右键下一页、浏览杂志文字内容!!"))));
    pages_->addWidget(listPage(QStringLiteral("mts9"), QStringLiteral("分类"), new SearchPage));
    pages_->addWidget(listPage(QStringLiteral("mts3"), QStringLiteral("下载"),
                               new ReportList(QStringLiteral("download_lv"), list_columns::downloads(),
                                              QString())));
    pages_->installEventFilter(this);
    return pages_;
}

QWidget* TForm1::buildStatusLine() {
    auto* strip = new QFrame;
    strip->setObjectName(QStringLiteral("statusp"));
    strip->setFixedHeight(18);
    strip->setStyleSheet(QStringLiteral("#statusp { border-bottom: 1px solid palette(mid); }"));
    statusLine_ = new QLabel(QStringLiteral("　欢迎使用Lyravox,更多功能请选择歌曲点击鼠标右键.:)"), strip);
    statusLine_->setObjectName(QStringLiteral("statusl"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(2, 0, 2, 1);
    row->addWidget(statusLine_);
    return strip;
}

QWidget* TForm1::buildButtonRow() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(28);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(0);
    int index = 0;
    for (const PageButton& spec : kPageButtons) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QString::fromUtf8(spec.name));
        button->setText(QString::fromUtf8(spec.caption));
        button->setIcon(pictures::pageButtonIcon(index++));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setFixedSize(button->objectName() == QStringLiteral("diantai_b") ? 81 : 80, 26);
        const QString page = QString::fromUtf8(spec.page);
        if (page.isEmpty()) {
            servicesButton_ = button;
            connect(button, &QToolButton::clicked, this, &TForm1::openServicesMenu);
        } else {
            connect(button, &QToolButton::clicked, this, [this, page] { showPage(page); });
        }
        row->addWidget(button);
    }
    row->addStretch(1);
    return panel;
}

void TForm1::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("ms_main_sb"));
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(false);
    bar->addWidget(pane(QStringLiteral("sp0"), QStringLiteral("用户统计信息"), QStringLiteral("点击查看贡献排行榜"), 190));
    bar->addWidget(pane(QStringLiteral("sp1"), QStringLiteral("用户名"), QStringLiteral("点击查看您的个人信息"), 120));
    bar->addWidget(pane(QStringLiteral("sp2"), QStringLiteral("循环状态"), QStringLiteral("点击改变歌曲循环状态"), 120));
    message_ = new MarqueeLabel(QStringLiteral("传情信息台"));
    message_->setObjectName(QStringLiteral("sp3"));
    message_->setToolTip(QStringLiteral("此信息可在综合服务->传情信息台里发表(点击停止/滚动)"));
    bar->addWidget(message_, 1);
    setStatusBar(bar);
}

void TForm1::buildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->addMenu(main_menus::build(QStringLiteral("file_menu"), QStringLiteral("文件"), main_menus::fileEntries(), bar));
    skinMenu_ = bar->addMenu(QStringLiteral("皮肤"));
    skinMenu_->setObjectName(QStringLiteral("N2"));
    bar->addMenu(main_menus::build(QStringLiteral("help_menu"), QStringLiteral("帮助"), main_menus::helpEntries(), bar));
    bar->addMenu(main_menus::build(QStringLiteral("ringtone_menu"), QStringLiteral("精彩图铃"), main_menus::ringtoneEntries(), bar));
    setMenuBar(bar);

    services_ = main_menus::build(QStringLiteral("zonghe_pm"), QString(), main_menus::servicesEntries(), this);
    trayMenu_ = main_menus::build(QStringLiteral("system_pm"), QString(), main_menus::trayEntries(), this);
}

void TForm1::buildTray() {
    tray_ = new QSystemTrayIcon(pictures::programIcon(), this);
    tray_->setObjectName(QStringLiteral("tray"));
    tray_->setToolTip(QStringLiteral("欢迎使用Lyravox!"));
    tray_->setContextMenu(trayMenu_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::DoubleClick) trayDoubleClick();
    });
    tray_->show();
}

void TForm1::connectCommands() {
    auto action = [this](const char* name) {
        return findChild<QAction*>(QString::fromUtf8(name));
    };
    for (const auto& [entry, buttonName] : kFileMenuTwins) {
        auto* button = findChild<QToolButton*>(QString::fromUtf8(buttonName));
        connect(action(entry), &QAction::triggered, button, &QToolButton::click);
    }
    connect(action("N27"), &QAction::triggered, this, &TForm1::Exit);
    connect(action("exitlyravox"), &QAction::triggered, this, &TForm1::Exit);
    connect(action("showmain"), &QAction::triggered, this, &TForm1::ShowMainForm);
    connect(action("download_button"), &QAction::triggered, this, [this] { showPage(QStringLiteral("mts3")); });
    for (const char* name : kNotYetWired) action(name)->setEnabled(false);
}

void TForm1::openServicesMenu() {
    services_->popup(servicesButton_->mapToGlobal(QPoint(0, 0)) - QPoint(80, 240));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pages_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        centreBusyPanel();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::centreBusyPanel() {
    const QRect area = pages_->geometry();
    busy_->move(area.center() - busy_->rect().center());
    busy_->raise();
}
