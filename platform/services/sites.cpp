#include "platform/services/sites.h"

#include <QtGlobal>

namespace platform::sites {
namespace {
QString fromEnv(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}
} // namespace

QString homeSite() { return fromEnv("QUELMARN_HOME_SITE", QStringLiteral("www.quelmarn.example")); }
// Short enough to be read whole on the browser's 89-pixel link button.
QString secondSite() { return fromEnv("QUELMARN_SECOND_SITE", QStringLiteral("qmtym.example")); }
QString startPage() { return fromEnv("QUELMARN_START_PAGE", QStringLiteral("http://") + homeSite() + QStringLiteral("/")); }
// The reachability test needs a web server that is always up.
QString testHost() { return fromEnv("QUELMARN_TEST_HOST", QStringLiteral("www.wikipedia.org")); }

} // namespace platform::sites
