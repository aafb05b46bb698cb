#include "app/startup/base_addresses.h"

namespace {

const QString kDefaultSite = QStringLiteral("http://127.0.0.1:8930/");
const QString kSiteOption = QStringLiteral("--site-url");
const QString kFileOption = QStringLiteral("--file-url");

QString withTrailingSlash(QString url) {
    if (!url.endsWith(QLatin1Char('/'))) url += QLatin1Char('/');
    return url;
}

BaseAddresses fromSite(const QString& site, const QString& file) {
    BaseAddresses a;
    a.site_url = withTrailingSlash(site);
    a.server_url = a.site_url + QStringLiteral("lyravox3.0/");
    a.file_url = file.isEmpty() ? a.site_url + QStringLiteral("files/") : withTrailingSlash(file);
    return a;
}

}  // namespace

BaseAddresses defaultBaseAddresses() {
    return fromSite(kDefaultSite, {});
}

std::optional<BaseAddresses> parseBaseAddresses(const QStringList& arguments, QString* error) {
    QString site = kDefaultSite;
    QString file;
    auto fail = [error](const QString& text) -> std::optional<BaseAddresses> {
        if (error) *error = text;
        return std::nullopt;
    };

    for (int i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        QString value;
        bool hasValue = false;
        const int eq = option.indexOf(QLatin1Char('='));
        if (option.startsWith(QStringLiteral("--")) && eq > 0) {
            value = option.mid(eq + 1);
            option = option.left(eq);
            hasValue = true;
        }
        if (option != kSiteOption && option != kFileOption)
            return fail(QStringLiteral("unknown argument: ") + arguments[i]);
        if (!hasValue) {
            if (i + 1 >= arguments.size()) return fail(option + QStringLiteral(" needs an address"));
            value = arguments[++i];
        }
        if (value.isEmpty()) return fail(option + QStringLiteral(" needs an address"));
        (option == kSiteOption ? site : file) = value;
    }
    return fromSite(site, file);
}
