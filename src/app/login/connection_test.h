#pragma once

#include "app/login/login_context.h"

// The connection test "测试" of the network settings, started on the
// user-interface thread.
class ConnectionTest {
public:
    explicit ConnectionTest(LoginContext context) : context_(std::move(context)) {}

    // Checks the proxy address and port, then asks server_url + "test_net.php"
    // through that proxy on login_http, which keeps it. The dialog stays disabled
    // until the answer (notification 7) or the failure (6) is in. True when the
    // test worker started.
    bool daili_testClick();

private:
    LoginContext context_;
};
