#include "platform/services/network.h"

#include <QtGlobal>

namespace platform {

namespace {

quint16 portOr(const QString& text, quint16 fallback)
{
    bool ok = false;
    const uint port = text.toUInt(&ok);
    return ok && port >= 1 && port <= 65535 ? quint16(port) : fallback;
}

} // namespace

HostPort parseHostPort(const QString& text, quint16 defaultPort)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close > 0) {
            const QString rest = trimmed.mid(close + 1);
            return {trimmed.mid(1, close - 1),
                    rest.startsWith(QLatin1Char(':')) ? portOr(rest.mid(1), defaultPort) : defaultPort};
        }
    }
    // More than one colon: an IPv6 address without a port.
    if (trimmed.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
        return {trimmed.left(colon), portOr(trimmed.mid(colon + 1), defaultPort)};
    }
    return {trimmed, defaultPort};
}

} // namespace platform
