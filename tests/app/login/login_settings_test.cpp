#include "login_fixture.h"

#include "app/login/login_settings.h"

namespace {

using LoginSettingsTest = LoginFixture;

TEST_F(LoginSettingsTest, RememberedPasswordIsStoredOnlyWhenTicked) {
    for (bool remember : {true, false}) {
        view.remember = remember;
        saveLoginSettings(store, view, "张三", "c2VjcmV0");
        EXPECT_EQ(readSaved(1, "Name"), "张三");
        EXPECT_EQ(readSaved(1, "Rec"), remember ? "1" : "0");
        EXPECT_EQ(readSaved(1, "Pwd"), remember ? "c2VjcmV0" : "");
    }
}

TEST_F(LoginSettingsTest, ProxyAddressAndPortAreStoredOnlyInHttpProxyMode) {
    store.write(2, "ProxyIp", "10.0.0.1");
    store.write(2, "ProxyPort", "3128");
    view.ip = "192.168.1.2";
    view.port = "8080";
    struct Case {
        int mode;
        std::string enable, ip, port;
    };
    const Case cases[] = {
        {0, "0", "10.0.0.1", "3128"},
        {1, "1", "10.0.0.1", "3128"},
        {7, "0", "10.0.0.1", "3128"},  // what the dialog would show as mode 0
        {2, "2", "192.168.1.2", "8080"},
    };
    for (const Case& c : cases) {
        view.mode = c.mode;
        saveLoginSettings(store, view, "n", "");
        EXPECT_EQ(readSaved(2, "ProxyEnable"), c.enable) << c.mode;
        EXPECT_EQ(readSaved(2, "ProxyIp"), c.ip) << c.mode;
        EXPECT_EQ(readSaved(2, "ProxyPort"), c.port) << c.mode;
    }
}

TEST_F(LoginSettingsTest, PageSizeFolderAndBossKeyAreStoredAsShown) {
    view.pageSizeText = "100";
    view.folder = "/data/歌曲/";
    view.boss = {Qt::ControlModifier | Qt::AltModifier, Qt::Key_K};
    saveLoginSettings(store, view, "n", "");
    EXPECT_EQ(readSaved(0, "N"), "100");
    EXPECT_EQ(readSaved(5, "Mydownload"), "/data/歌曲/");
    EXPECT_EQ(readSaved(8, "Boss_key"), "Ctrl+Alt+K");

    view.pageSizeText.clear();  // no entry selected: N stays
    saveLoginSettings(store, view, "n", "");
    EXPECT_EQ(readSaved(0, "N"), "100");
}

}  // namespace
