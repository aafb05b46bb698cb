#pragma once

#include <QString>

// Applies one skin file to the whole program.
class SkinEngine {
public:
    virtual ~SkinEngine() = default;
    // False when the file cannot be read; the look stays as it was.
    virtual bool load(const QString& path) = 0;
    virtual bool isActive() const = 0;
    virtual void activate() = 0;
};

// A skin file is a Qt style sheet in UTF-8, applied to the application.
// Until activation a loaded sheet only waits; once active, loading applies it.
class StyleSheetSkinEngine : public SkinEngine {
public:
    bool load(const QString& path) override;
    bool isActive() const override { return active_; }
    void activate() override;

    const QString& sheet() const { return sheet_; }

private:
    QString sheet_;
    bool active_ = false;
};
