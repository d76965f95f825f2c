#include "common/Links.h"

#include <QUrl>

namespace tallox::links {

QString mailLink(const QString& address)
{
    return QStringLiteral("mailto:") + address + QStringLiteral("?subject=")
           + QString::fromLatin1(QUrl::toPercentEncoding(kMailSubject));
}

} // namespace tallox::links
