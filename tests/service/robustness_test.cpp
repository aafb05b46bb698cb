#include "service_fixture.h"

TEST_F(ServiceTest, BadQueriesAreRefusedNotAnswered) {
    for (const char* target : {
             "get_xinge.php", "get_xinge.php?p=1", "get_xinge.php?p=abc&n=30", "get_xinge.php?p=-1&n=30",
             "get_xinge.php?p=0&n=30", "get_xinge.php?p=1&n=0", "get_xinge.php?p=1&n=99999999999999999999999",
             "get_paihang.php?p=1&n=%", "get_q.php?q=a&q_by=7&p=1&n=30", "get_q.php?q_by=0&p=1&n=30",
             "get_zhijie.php?q=a&q_by=2&p=1&n=30", "get_fenlei.php?p=1&n=30", "get_diantai.php?p=1&n=-5",
             "get_zazhi_list.php?p=x&n=y", "get_zazhi.php", "getgeshou_zimu.php?zimu=a", "getgeshou_zimu.php?zimu=AB",
             "getgeshou_diqu.php", "login.php?net_name=demo", "check_beads.php?net_name=demo&n=x&hash=h",
             "up_view.php"}) {
        const auto r = web(target);
        EXPECT_GE(r.status, 400) << target;
        EXPECT_LT(r.status, 500) << target;
    }
}

TEST_F(ServiceTest, HugePageNumberIsBeyondTheLast) {
    EXPECT_EQ(web("get_xinge.php?p=999999999&n=1000").body, "eof");
}

TEST_F(ServiceTest, UnknownPathsAre404) {
    for (const char* path : {"/nothing", "/lyravox3.0/", "/lyravox3.0/get_nothing.php", "/update.html", "/files"}) {
        EXPECT_EQ(get(path).status, 404) << path;
    }
}
