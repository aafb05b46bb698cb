#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

struct _xmlDoc;
struct _xmlNode;

// One element of a parsed document, valid while its XmlDocument lives. A null
// element (from a position or name that does not exist) answers empty everywhere.
class XmlElement {
public:
    XmlElement() = default;
    explicit XmlElement(_xmlNode* node) : node_(node) {}

    bool isNull() const { return node_ == nullptr; }
    QString name() const;

    // Element children only, in document order; text, comments and the like between
    // them do not count.
    int childCount() const;
    XmlElement child(int index) const;
    QList<XmlElement> children() const;
    // The first element child of exactly that name.
    XmlElement firstChild(const QString& name) const;

    int attributeCount() const;
    QString attribute(int index) const;  // the value of the attribute at that position
    QString attribute(const QString& name) const;

    // The element's own character data (its text children joined); empty when it
    // holds none.
    QString text() const;
    // text() of firstChild(name): empty when there is no such child.
    QString childText(const QString& name) const;

    bool holdsElement() const;
    bool holdsComment() const;
    bool holdsCdata() const;

private:
    _xmlNode* node_ = nullptr;
};

// A document parsed from bytes in the encoding its declaration names (UTF-8 when it
// names none; a "GB2312" declaration is read as GBK, of which it is a subset). No
// network access, no entity substitution, no DTD loading; a document carrying a
// document type declaration is refused outright, which also shuts out entity bombs
// and external entities.
class XmlDocument {
public:
    static XmlDocument parse(const QByteArray& bytes);

    XmlDocument() = default;
    XmlDocument(XmlDocument&&) noexcept = default;
    XmlDocument& operator=(XmlDocument&&) noexcept = default;

    bool isNull() const { return !doc_; }
    XmlElement root() const;
    // Why parsing failed; empty for a parsed document.
    const QString& error() const { return error_; }

private:
    struct Free {
        void operator()(_xmlDoc* doc) const;
    };
    std::unique_ptr<_xmlDoc, Free> doc_;
    QString error_;
};
