#include "platform/services/share_connect.h"

#include <QUrl>

namespace platform {

ShareAddress checkShareAddress(const QString& typed)
{
    QString text = typed.trimmed();
    if (text.isEmpty()) return {{}, QStringLiteral("Zadejte adresu sdílené složky, například smb://server/slozka.")};
    // The Windows way of naming a share.
    if (text.startsWith(QLatin1String("\\\\")))
        text = QStringLiteral("smb://") + text.mid(2).replace(QLatin1Char('\\'), QLatin1Char('/'));

    const QUrl url(text, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    static const QStringList schemes{QStringLiteral("smb"), QStringLiteral("sftp"), QStringLiteral("ftp"),
                                     QStringLiteral("dav"), QStringLiteral("davs")};
    if (!url.isValid() || !schemes.contains(scheme))
        return {{},
                QStringLiteral("Adresa \"%1\" není adresa sdílené složky. Použijte smb://, sftp://, ftp://, "
                               "dav:// nebo davs://.")
                    .arg(typed.trimmed())};
    if (url.host().isEmpty()) return {{}, QStringLiteral("V adrese \"%1\" chybí jméno serveru.").arg(typed.trimmed())};
    if (scheme == QLatin1String("smb") && url.path().split(QLatin1Char('/'), Qt::SkipEmptyParts).isEmpty())
        return {
            {},
            QStringLiteral("V adrese \"%1\" chybí jméno sdílené složky (smb://server/slozka).").arg(typed.trimmed())};
    return {url.toString(QUrl::FullyEncoded), {}};
}

} // namespace platform
