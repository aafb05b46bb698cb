#include "form_fixture.h"

#include "app/main_window/list_columns.h"
#include "app/main_window/report_list.h"

#include <QCoreApplication>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

struct Named {
    const char* name;
    const char* text;
};

TEST(Layout, WindowCaptionAndSizes) {
    FormFixture f;
    EXPECT_EQ(f.form->windowTitle(), QStringLiteral("Lyravox"));
    EXPECT_EQ(f.form->minimumSize(), QSize(796, 595));
    EXPECT_EQ(f.form->currentPageName(), QStringLiteral("mts9"));
    EXPECT_EQ(f.find<QStackedWidget>("list_page")->toolTip(), QStringLiteral("右键下载、收藏!!"));
}

TEST(Layout, PagesInOrderWithCaptions) {
    FormFixture f;
    const Named pages[] = {{"mts1", "搜索结果"}, {"mts2", "新歌"}, {"mts4", "推荐"},
                           {"mts5", "排行"},     {"mts6", "电台"}, {"mts7", "收藏"},
                           {"mts8", "杂志"},     {"mts9", "分类"}, {"mts3", "下载"}};
    auto* stack = f.find<QStackedWidget>("list_page");
    ASSERT_EQ(stack->count(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(stack->widget(i)->objectName(), pages[i].name);
        EXPECT_EQ(stack->widget(i)->windowTitle(), QString::fromUtf8(pages[i].text));
    }
}

TEST(Layout, ButtonRowInOrderAndPageButtonsBringTheirPage) {
    FormFixture f;
    const Named buttons[] = {{"fenlei_b", "我要搜索"}, {"xinge_b", "新歌上榜"}, {"tuijian_b", "金曲推荐"},
                             {"paihang_b", "歌曲排行"}, {"zazhi_b", "音乐杂志"}, {"diantai_b", "音乐电台"},
                             {"sousuo_b", "搜索结果"}, {"shoucang_b", "我的收藏"}, {"zonghe_b", "综合服务"}};
    const char* pageOf[] = {"mts9", "mts2", "mts4", "mts5", "mts8", "mts6", "mts1", "mts7"};
    auto* row = f.find<QWidget>("Panel1");
    const auto found = row->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(found.size(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(found[i]->objectName(), buttons[i].name);
        EXPECT_EQ(found[i]->text(), QString::fromUtf8(buttons[i].text));
        EXPECT_EQ(found[i]->width(), i == 5 ? 81 : 80);
    }
    for (int i = 7; i >= 0; --i) {
        found[i]->click();
        EXPECT_EQ(f.form->currentPageName(), pageOf[i]) << buttons[i].name;
    }
    f.find<QAction>("download_button")->trigger();
    EXPECT_EQ(f.form->currentPageName(), "mts3");
    f.find<QAction>("N35")->trigger();
    EXPECT_EQ(f.form->currentPageName(), "mts2");
}

TEST(Layout, TextsAndHintsOfLabelsAndPanes) {
    FormFixture f;
    const struct {
        const char* name;
        const char* text;
        const char* hint;
    } labels[] = {
        {"statusl", "　欢迎使用Lyravox,更多功能请选择歌曲点击鼠标右键.:)", ""},
        {"sp0", "用户统计信息", "点击查看贡献排行榜"},
        {"sp1", "用户名", "点击查看您的个人信息"},
        {"sp2", "循环状态", "点击改变歌曲循环状态"},
        {"zhuangtai", "播放状态", ""},
        {"qumuxinxi", "曲目信息...", ""},
        {"geci_button", "显示Mini歌词秀", ""},
        {"yi", "00:00", ""},
        {"zong", "00:00", ""},
    };
    for (const auto& l : labels) {
        auto* label = f.find<QLabel>(l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromUtf8(l.text)) << l.name;
        EXPECT_EQ(label->toolTip(), QString::fromUtf8(l.hint)) << l.name;
    }
    EXPECT_EQ(f.find<QWidget>("sp3")->toolTip(),
              QStringLiteral("此信息可在综合服务->传情信息台里发表(点击停止/滚动)"));
    EXPECT_EQ(f.find<QWidget>("loadingp")->toolTip(),
              QStringLiteral("正在请求数据,请耐心等待...\n如果很长时间无返回结果,请检查您的网络连接..."));
    EXPECT_FALSE(f.find<QWidget>("loadingp")->isVisibleTo(f.form.get()));
    for (const char* name : {"Panel2", "ad_web", "main_p", "statusp", "playp", "player", "loadgif", "ms_main_sb"})
        EXPECT_NE(f.find<QWidget>(name), nullptr) << name;
}

TEST(Layout, PlayerBarControls) {
    FormFixture f;
    const Named hints[] = {{"play_b", "开始播放"}, {"pause_b", "暂停播放"}, {"stop_b", "停止播放"},
                           {"next_b", "播放当前收藏夹下一首"}, {"prev_b", "播放当前收藏夹上一首"},
                           {"mute_b", "打开/静音"}, {"xunhuan_b", "循环当前收藏夹"},
                           {"vol", "音量调节"}, {"jindu", "播放进度调节"}};
    for (const Named& h : hints) {
        auto* w = f.find<QWidget>(h.name);
        ASSERT_NE(w, nullptr) << h.name;
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(h.text)) << h.name;
    }
    for (const char* name : {"vol", "jindu"}) {
        auto* s = f.find<QSlider>(name);
        EXPECT_EQ(s->minimum(), 0);
        EXPECT_EQ(s->maximum(), 255);
    }
    EXPECT_EQ(f.find<QSlider>("vol")->value(), 255);
    auto* track = f.find<QLabel>("qumuxinxi");
    track->ensurePolished();  // style sheet colours reach the palette at polish time
    EXPECT_EQ(track->palette().color(QPalette::WindowText), QColor(0, 255, 0));
}

TEST(Layout, SearchPage) {
    FormFixture f;
    auto* q = f.find<QLineEdit>("q");
    EXPECT_EQ(q->text(), QStringLiteral(" 歌曲名/歌手名/专辑名"));
    EXPECT_EQ(q->toolTip(), QStringLiteral("请输入您需要搜索的内容"));
    auto* by = f.find<QComboBox>("q_by");
    ASSERT_EQ(by->count(), 3);
    EXPECT_EQ(by->currentText(), QStringLiteral("歌曲名称"));
    EXPECT_EQ(by->itemText(2), QStringLiteral("专辑名称"));
    EXPECT_EQ(f.find<QPushButton>("start_q")->text(), QStringLiteral("开始搜索"));
    const Named singers[] = {{"man_lv", "　　　　　男歌手"}, {"woman_lv", "　　　　　女歌手"},
                             {"team_lv", "　　　　乐队组合"}, {"other_lv", "　　　　　未分类"}};
    for (const Named& s : singers) {
        auto* list = f.find<QTreeWidget>(s.name);
        ASSERT_NE(list, nullptr) << s.name;
        EXPECT_EQ(list->headerItem()->text(0), QString::fromUtf8(s.text));
        EXPECT_EQ(list->columnWidth(0), 154);
        EXPECT_EQ(list->toolTip(), QStringLiteral("双击歌手姓名"));
    }
    for (const char* link : {"link_A", "link_Z", "link_大陆地区", "link_其它地区", "link_国语歌曲", "link_随意听听"})
        EXPECT_NE(f.find<QLabel>(QString::fromUtf8(link)), nullptr) << link;
}

struct ListCase {
    const char* name;
    QStringList headers;  // after the icon column
    const char* tip;
};

TEST(Layout, ListColumnsAndFillRule) {
    FormFixture f;
    const QStringList song{"歌曲名称", "歌手名称", "专辑名称", "人气指数", "发布时间"};
    const ListCase lists[] = {
        {"sousuo_lv", song, "右键查看下一页、下载歌曲、收藏歌曲!!"},
        {"xinge_lv", song, "右键查看下一页、下载歌曲、收藏歌曲!!"},
        {"tuijian_lv", song, "右键查看下一页、下载歌曲、收藏歌曲!!"},
        {"paihang_lv", song, "右键查看下一页、下载歌曲、收藏歌曲!!"},
        {"diantai_lv", {"电台名称", "电台简介", "人气指数"}, "右键查看下一页!!"},
        {"zazhi_lv", {"杂志名称", "杂志期号", "杂志编辑", "人气指数", "发布时间"}, "右键下一页、浏览杂志文字内容!!"},
        {"shoucang_lv", {"歌曲名称", "歌手名称", "专辑名称", "歌曲来源"}, "右键切换、管理收藏夹、下载歌曲!!"},
        {"download_lv", {"歌曲名称", "歌曲大小", "完成数", "速度", "进度", ""}, ""},
    };
    for (const ListCase& c : lists) {
        auto* list = f.find<ReportList>(c.name);
        ASSERT_NE(list, nullptr) << c.name;
        QStringList headers;
        for (int i = 1; i < list->columnCount(); ++i) headers << list->headerItem()->text(i);
        EXPECT_EQ(headers, c.headers) << c.name;
        EXPECT_EQ(list->headerItem()->text(0), QString()) << c.name;
        EXPECT_EQ(list->columnWidth(0), 20) << c.name;
        EXPECT_EQ(list->toolTip(), QString::fromUtf8(c.tip)) << c.name;
    }
    EXPECT_EQ(f.find<ReportList>("zazhi_lv")->headerItem()->textAlignment(2), int(Qt::AlignCenter));
    EXPECT_TRUE(f.find<ReportList>("download_lv")->isColumnHidden(6));
}

TEST(ReportList, FillingColumnTakesWhatTheOthersLeaveMinusTwenty) {
    struct Fill {
        QList<ColumnSpec> columns;
        int fillColumn, width, expected;
    } cases[] = {
        {list_columns::songs(), 1, 700, 700 - (20 + 160 + 160 + 60 + 70) - 20},
        {list_columns::radio(), 2, 600, 600 - (20 + 160 + 70) - 20},
        {list_columns::downloads(), 1, 500, 500 - (20 + 80 + 80 + 80 + 60) - 20},
    };
    for (const Fill& c : cases) {
        ReportList list("list", c.columns, QString());
        list.show();
        list.resize(c.width, 200);
        QCoreApplication::processEvents();
        EXPECT_EQ(list.columnWidth(c.fillColumn), c.expected);
    }
}

TEST(Layout, MenusWithNamesAndCaptions) {
    FormFixture f;
    const Named file[] = {{"N21", "音乐杂志"}, {"N8", "-"}, {"N25", "我要搜索"}, {"N47", "-"},
                          {"N35", "新歌上榜"}, {"N24", "金曲推荐"}, {"N23", "歌曲排行"},
                          {"N44", "音乐电台"}, {"N49", "我的收藏"}, {"N26", "-"},
                          {"N45", "综合服务"}, {"N46", "-"}, {"N27", "退出"}};
    const Named help[] = {{"helpb", "使用指南"}, {"N57", "疑难问题"}, {"N48", "-"},
                          {"MP31", "互动交流"}, {"aboutb", "关于软件"}};
    const Named ring[] = {{"N15", "Mp3铃声、手机彩铃、手机图片、免费手机点歌"}};
    const Named services[] = {{"user_info", "个人信息中心"}, {"N40", "互动交流论坛"}, {"N13", "-"},
                              {"vip2", "捐助Lyravox"}, {"N43", "贡献排行榜"}, {"N9", "-"},
                              {"broadcast", "传情信息台"}, {"N51", "-"}, {"download_button", "下载管理"},
                              {"N18", "-"}, {"up_music", "我要上传歌曲"}, {"N4", "我要上传歌词"},
                              {"N20", "我要发布杂志"}, {"N39", "-"}, {"N42", "Lyravox网站"}};
    const Named tray[] = {{"showmain", "显示Lyravox"}, {"MenuItem12", "-"}, {"N17", "播　放"},
                          {"N19", "暂　停"}, {"N30", "停　止"}, {"N33", "下一首"}, {"N53", "上一首"},
                          {"N6", "-"}, {"abouta", "关于本软件"}, {"bbs", "互动交流论坛"},
                          {"website", "Lyravox主页"}, {"N7", "-"}, {"exitlyravox", "退出"}};
    auto check = [](QMenu* menu, const Named* items, size_t n) {
        ASSERT_NE(menu, nullptr);
        const auto actions = menu->actions();
        ASSERT_EQ(actions.size(), qsizetype(n)) << menu->objectName().toStdString();
        for (size_t i = 0; i < n; ++i) {
            EXPECT_EQ(actions[i]->objectName(), items[i].name);
            const QString caption = QString::fromUtf8(items[i].text);
            if (caption == "-") EXPECT_TRUE(actions[i]->isSeparator()) << items[i].name;
            else EXPECT_EQ(actions[i]->text(), caption) << items[i].name;
        }
    };
    auto* bar = f.find<QMenuBar>("MainMenu1");
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* top : bar->actions()) titles << top->text();
    EXPECT_EQ(titles, (QStringList{"文件", "皮肤", "帮助", "精彩图铃"}));
    EXPECT_EQ(bar->actions()[1]->menu()->objectName(), "N2");
    check(bar->actions()[0]->menu(), file, std::size(file));
    check(bar->actions()[2]->menu(), help, std::size(help));
    check(bar->actions()[3]->menu(), ring, std::size(ring));
    check(f.find<QMenu>("zonghe_pm"), services, std::size(services));
    check(f.find<QMenu>("system_pm"), tray, std::size(tray));
    // Web pages and the player are not reachable yet; what works is on.
    EXPECT_FALSE(f.find<QAction>("helpb")->isEnabled());
    EXPECT_FALSE(f.find<QAction>("N17")->isEnabled());
    EXPECT_TRUE(f.find<QAction>("exitlyravox")->isEnabled());
    EXPECT_TRUE(f.find<QAction>("showmain")->isEnabled());

    auto* icon = f.find<QSystemTrayIcon>("tray");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->toolTip(), QStringLiteral("欢迎使用Lyravox!"));
    EXPECT_EQ(icon->contextMenu(), f.find<QMenu>("system_pm"));
}

}  // namespace
