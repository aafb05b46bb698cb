#include "platform/xml.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <QRegularExpression>

namespace {

// Before any worker thread can parse.
const bool parserReady = (xmlInitParser(), true);

QString fromXml(const xmlChar* text) {
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QString();
}

QByteArray declaredEncoding(const QByteArray& bytes) {
    QByteArray head = bytes.left(256);
    if (head.startsWith("\xEF\xBB\xBF")) head.remove(0, 3);
    if (!head.startsWith("<?xml")) return {};
    head = head.left(head.indexOf("?>"));
    static const QRegularExpression encoding(
        QStringLiteral("encoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
    return encoding.match(QString::fromLatin1(head)).captured(1).toLatin1();
}

// The encoding handed to the parser; null keeps the declaration's own.
const char* overridingEncoding(const QByteArray& bytes) {
    const QByteArray declared = declaredEncoding(bytes).toUpper();
    if (declared == "GB2312" || declared == "GB_2312-80" || declared == "EUC-CN") return "GBK";
    return nullptr;
}

void refuseDoctype(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    *static_cast<bool*>(parser->_private) = true;
    xmlStopParser(parser);
}

bool holds(xmlNodePtr node, xmlElementType type) {
    if (!node) return false;
    for (xmlNodePtr child = node->children; child; child = child->next)
        if (child->type == type) return true;
    return false;
}

}  // namespace

void XmlDocument::Free::operator()(_xmlDoc* doc) const {
    xmlFreeDoc(doc);
}

XmlDocument XmlDocument::parse(const QByteArray& bytes) {
    (void)parserReady;
    XmlDocument result;
    xmlParserCtxtPtr parser = xmlNewParserCtxt();
    if (!parser) {
        result.error_ = QStringLiteral("out of memory");
        return result;
    }
    bool refused = false;
    parser->_private = &refused;
    parser->sax->internalSubset = &refuseDoctype;
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    xmlDocPtr doc = xmlCtxtReadMemory(parser, bytes.constData(), int(bytes.size()), nullptr,
                                      overridingEncoding(bytes), options);
    if (refused) {
        xmlFreeDoc(doc);
        result.error_ = QStringLiteral("a document type declaration is not accepted");
    } else if (!doc || !xmlDocGetRootElement(doc)) {
        xmlFreeDoc(doc);
        const xmlError* error = xmlCtxtGetLastError(parser);
        result.error_ = error && error->message ? QString::fromUtf8(error->message).trimmed()
                                                : QStringLiteral("not a well-formed document");
    } else {
        result.doc_.reset(doc);
    }
    xmlFreeParserCtxt(parser);
    return result;
}

XmlElement XmlDocument::root() const {
    return XmlElement(doc_ ? xmlDocGetRootElement(doc_.get()) : nullptr);
}

QString XmlElement::name() const {
    return node_ ? fromXml(node_->name) : QString();
}

QList<XmlElement> XmlElement::children() const {
    QList<XmlElement> result;
    if (!node_) return result;
    for (xmlNodePtr child = node_->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE) result.append(XmlElement(child));
    return result;
}

int XmlElement::childCount() const {
    int count = 0;
    if (node_)
        for (xmlNodePtr child = node_->children; child; child = child->next)
            if (child->type == XML_ELEMENT_NODE) ++count;
    return count;
}

XmlElement XmlElement::child(int index) const {
    if (!node_ || index < 0) return {};
    for (xmlNodePtr child = node_->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && index-- == 0) return XmlElement(child);
    return {};
}

XmlElement XmlElement::firstChild(const QString& name) const {
    if (!node_) return {};
    const QByteArray wanted = name.toUtf8();
    for (xmlNodePtr child = node_->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE &&
            wanted == reinterpret_cast<const char*>(child->name))
            return XmlElement(child);
    return {};
}

int XmlElement::attributeCount() const {
    int count = 0;
    if (node_)
        for (xmlAttrPtr attribute = node_->properties; attribute; attribute = attribute->next)
            ++count;
    return count;
}

QString XmlElement::attribute(int index) const {
    if (!node_ || index < 0) return {};
    for (xmlAttrPtr attribute = node_->properties; attribute; attribute = attribute->next) {
        if (index-- > 0) continue;
        xmlChar* value = xmlNodeListGetString(node_->doc, attribute->children, 1);
        const QString text = fromXml(value);
        xmlFree(value);
        return text;
    }
    return {};
}

QString XmlElement::attribute(const QString& name) const {
    if (!node_) return {};
    const QByteArray wanted = name.toUtf8();
    xmlChar* value = xmlGetNoNsProp(node_, reinterpret_cast<const xmlChar*>(wanted.constData()));
    const QString text = fromXml(value);
    xmlFree(value);
    return text;
}

QString XmlElement::text() const {
    QString result;
    if (node_)
        for (xmlNodePtr child = node_->children; child; child = child->next)
            if (child->type == XML_TEXT_NODE) result += fromXml(child->content);
    return result;
}

QString XmlElement::childText(const QString& name) const {
    return firstChild(name).text();
}

bool XmlElement::holdsElement() const {
    return holds(node_, XML_ELEMENT_NODE);
}

bool XmlElement::holdsComment() const {
    return holds(node_, XML_COMMENT_NODE);
}

bool XmlElement::holdsCdata() const {
    return holds(node_, XML_CDATA_SECTION_NODE);
}
