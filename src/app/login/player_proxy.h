#pragma once

#include <QString>

// The media player's proxy for the protocol "http": a setting number (0 no
// proxy, 2 the proxy given by name and port), a name and a port.
class PlayerProxy {
public:
    virtual ~PlayerProxy() = default;
    virtual void setProxySetting(int setting) = 0;
    virtual void setProxyName(const QString& name) = 0;
    virtual void setProxyPort(int port) = 0;
};

// Keeps the three values until a real player takes them over.
class HeldPlayerProxy : public PlayerProxy {
public:
    void setProxySetting(int setting) override { setting_ = setting; }
    void setProxyName(const QString& name) override { name_ = name; }
    void setProxyPort(int port) override { port_ = port; }

    int proxySetting() const { return setting_; }
    QString proxyName() const { return name_; }
    int proxyPort() const { return port_; }

private:
    int setting_ = 0;
    QString name_;
    int port_ = 0;
};
