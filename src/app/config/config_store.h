#pragma once

#include <QString>

#include <mutex>
#include <optional>

// The one open document of Config.xml. Values are attributes of the root's
// element children, addressed by position (element children only).
// Every operation is serialised; hold lock() to make writes plus save one step.
class ConfigStore {
public:
    ConfigStore();
    ~ConfigStore();
    ConfigStore(const ConfigStore&) = delete;
    ConfigStore& operator=(const ConfigStore&) = delete;

    // Reads and parses the file. False when it is missing, not well-formed, or
    // lacks the children at positions 0, 3 and 4.
    bool load(const QString& path);
    bool isLoaded() const;

    // nullopt when there is no child at that position. An absent attribute is
    // created empty and read as "" (one whose name could not be saved as an
    // XML attribute name is read as "" and not created).
    std::optional<QString> read(int position, const QString& attribute);
    // False when there is no child at that position or the name cannot be an
    // attribute name. Characters XML cannot hold are dropped from the text.
    bool write(int position, const QString& attribute, const QString& text);
    // Replaces the file with the whole document in its declared encoding;
    // false on failure, and then the file keeps its old content (callers
    // ignore it: the in-memory values stay). A read-only file is not replaced.
    bool save();

    std::unique_lock<std::recursive_mutex> lock() const;

private:
    struct Impl;
    Impl* impl_;
    mutable std::recursive_mutex mutex_;
};
