#pragma once
// Network targets of the program. Each can be overridden from the
// environment so that tests point them at a loopback server.

#include <QString>

namespace platform::sites {

QString homeSite();   // $QUELMARN_HOME_SITE, host or host:port
QString secondSite(); // $QUELMARN_SECOND_SITE
QString startPage();  // $QUELMARN_START_PAGE, a full URL
QString testHost();   // $QUELMARN_TEST_HOST, host or host:port

} // namespace platform::sites
