#include "app/config/config_store.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// GB2312 is a subset of GBK with the same bytes, and files declared GB2312
// routinely hold characters only GBK has; reading them as GBK loses nothing.
const char* readingEncoding(const QByteArray& declared) {
    const QByteArray name = declared.toUpper();
    if (name == "GB2312" || name == "GB_2312-80" || name == "EUC-CN" || name == "CSGB2312") return "GBK";
    return declared.isEmpty() ? nullptr : declared.constData();
}

// The encoding named by the XML declaration at the start of the bytes, if any.
QByteArray declaredEncoding(const QByteArray& bytes) {
    QByteArray head = bytes.left(256);
    if (head.startsWith("\xEF\xBB\xBF")) head.remove(0, 3);
    if (!head.startsWith("<?xml")) return {};
    const qsizetype end = head.indexOf("?>");
    if (end < 0) return {};
    const QByteArray decl = head.left(end);
    qsizetype at = decl.indexOf("encoding");
    if (at < 0) return {};
    at += 8;
    while (at < decl.size() && (decl[at] == ' ' || decl[at] == '\t' || decl[at] == '\r' || decl[at] == '\n')) ++at;
    if (at >= decl.size() || decl[at] != '=') return {};
    ++at;
    while (at < decl.size() && (decl[at] == ' ' || decl[at] == '\t' || decl[at] == '\r' || decl[at] == '\n')) ++at;
    if (at >= decl.size() || (decl[at] != '"' && decl[at] != '\'')) return {};
    const char quote = decl[at];
    const qsizetype close = decl.indexOf(quote, at + 1);
    if (close < 0) return {};
    return decl.mid(at + 1, close - at - 1);
}

void ignoreMessage(void*, const char*, ...) {}

// Keeps libxml2's messages off stderr for the current thread while alive.
class QuietLibxml {
public:
    QuietLibxml() : generic_(xmlGenericError), genericContext_(xmlGenericErrorContext) {
        xmlSetGenericErrorFunc(nullptr, ignoreMessage);
    }
    ~QuietLibxml() { xmlSetGenericErrorFunc(genericContext_, generic_); }
    QuietLibxml(const QuietLibxml&) = delete;
    QuietLibxml& operator=(const QuietLibxml&) = delete;

private:
    xmlGenericErrorFunc generic_;
    void* genericContext_;
};

xmlNodePtr elementChild(xmlDocPtr doc, int position) {
    if (!doc || position < 0) return nullptr;
    xmlNodePtr root = xmlDocGetRootElement(doc);
    if (!root) return nullptr;
    int index = 0;
    for (xmlNodePtr child = root->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE) continue;
        if (index == position) return child;
        ++index;
    }
    return nullptr;
}

int elementChildCount(xmlDocPtr doc) {
    xmlNodePtr root = xmlDocGetRootElement(doc);
    if (!root) return 0;
    int count = 0;
    for (xmlNodePtr child = root->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE) ++count;
    return count;
}

xmlAttrPtr findAttribute(xmlNodePtr node, const QByteArray& name) {
    for (xmlAttrPtr attr = node->properties; attr; attr = attr->next)
        if (!attr->ns && xmlStrEqual(attr->name, reinterpret_cast<const xmlChar*>(name.constData()))) return attr;
    return nullptr;
}

// Attribute names come from skin and scheme names; one that is not an XML name
// would make the saved file unreadable at the next start.
bool isUsableName(const QByteArray& name) {
    return !name.isEmpty() && xmlValidateNCName(reinterpret_cast<const xmlChar*>(name.constData()), 0) == 0;
}

// Characters XML 1.0 cannot carry, even escaped, are dropped for the same reason.
QString xmlSafe(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') continue;
        if (u == 0xFFFE || u == 0xFFFF) continue;
        out.append(c);
    }
    return out;
}

// A file without any write permission counts as read-only even for a user
// whom the system would let write it anyway.
bool mayReplace(const QFileInfo& file) {
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return file.isWritable() && (file.permissions() & writeBits);
}

}  // namespace

struct ConfigStore::Impl {
    xmlDocPtr doc = nullptr;
    QString path;
    QByteArray encoding;

    void clear() {
        if (doc) xmlFreeDoc(doc);
        doc = nullptr;
        path.clear();
        encoding.clear();
    }
};

ConfigStore::ConfigStore() : impl_(new Impl) { xmlInitParser(); }

ConfigStore::~ConfigStore() {
    impl_->clear();
    delete impl_;
}

std::unique_lock<std::recursive_mutex> ConfigStore::lock() const {
    return std::unique_lock<std::recursive_mutex>(mutex_);
}

bool ConfigStore::load(const QString& path) {
    auto guard = lock();
    impl_->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    file.close();

    const QByteArray declared = declaredEncoding(bytes);
    const QByteArray url = QFile::encodeName(path);
    xmlDocPtr doc = xmlReadMemory(bytes.constData(), static_cast<int>(bytes.size()), url.constData(),
                                  readingEncoding(declared),
                                  XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc) return false;
    if (elementChildCount(doc) < 5) {
        xmlFreeDoc(doc);
        return false;
    }
    impl_->doc = doc;
    impl_->path = path;
    impl_->encoding = declared;
    return true;
}

bool ConfigStore::isLoaded() const {
    auto guard = lock();
    return impl_->doc != nullptr;
}

std::optional<QString> ConfigStore::read(int position, const QString& attribute) {
    auto guard = lock();
    xmlNodePtr node = elementChild(impl_->doc, position);
    if (!node) return std::nullopt;
    const QByteArray name = attribute.toUtf8();
    xmlAttrPtr attr = findAttribute(node, name);
    if (!attr) {
        if (isUsableName(name))
            xmlNewProp(node, reinterpret_cast<const xmlChar*>(name.constData()), reinterpret_cast<const xmlChar*>(""));
        return QString();
    }
    xmlChar* value = xmlNodeListGetString(impl_->doc, attr->children, 1);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

bool ConfigStore::write(int position, const QString& attribute, const QString& text) {
    auto guard = lock();
    xmlNodePtr node = elementChild(impl_->doc, position);
    if (!node) return false;
    const QByteArray name = attribute.toUtf8();
    if (!isUsableName(name)) return false;
    const QByteArray value = xmlSafe(text).toUtf8();
    return xmlSetProp(node, reinterpret_cast<const xmlChar*>(name.constData()),
                      reinterpret_cast<const xmlChar*>(value.constData())) != nullptr;
}

bool ConfigStore::save() {
    auto guard = lock();
    if (!impl_->doc) return false;

    QFileInfo target(impl_->path);
    if (target.isSymLink()) target = QFileInfo(target.symLinkTarget());
    if (target.exists() && !mayReplace(target)) return false;

    // Written beside the file and renamed over it, so a failed save never
    // leaves a half-written Config.xml behind.
    QTemporaryFile temp(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    if (!temp.open()) return false;
    const QByteArray tempName = QFile::encodeName(temp.fileName());
    {
        QuietLibxml quiet;
        const char* encoding = impl_->encoding.isEmpty() ? nullptr : impl_->encoding.constData();
        if (xmlSaveFileEnc(tempName.constData(), impl_->doc, encoding) < 0) return false;
    }
    if (::fsync(temp.handle()) != 0) return false;
    struct stat old {};
    const mode_t mode = ::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &old) == 0
        ? (old.st_mode & 07777)
        : 0644;
    if (::fchmod(temp.handle(), mode) != 0) return false;
    if (std::rename(tempName.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return false;
    temp.setAutoRemove(false);
    return true;
}
