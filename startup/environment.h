#pragma once

#include <QProcessEnvironment>

#include "ui/configuration.h"

// The configuration from `environment` (the process's own at start-up) and
// the running system, read once. Throws platform::Failure when a folder
// cannot be found.
//
// QUELMARN_HOME_SITE, QUELMARN_SECOND_SITE, QUELMARN_TEST_HOST: host or
// host:port; QUELMARN_START_PAGE: a full URL; QUELMARN_REACHABILITY_TIMEOUT_MS:
// a positive number of milliseconds, else 10 s; TMPDIR: the temporary
// folder; QUELMARN_CODEPAGE: a code page number, else the locale's;
// XDG_CURRENT_DESKTOP, XDG_SESSION_ID and PATH: the session. Each value
// that is not set or empty has its default.
Configuration readConfiguration(const QProcessEnvironment& environment);

// The system directory, asked with the folder queries' buffer contract.
std::string systemDirectory();

// Why the web engine cannot run (empty when it can): where its sandbox
// refuses the user, the engine ends the whole process unless the user
// turned the sandbox off (QTWEBENGINE_DISABLE_SANDBOX, or --no-sandbox in
// QTWEBENGINE_CHROMIUM_FLAGS). The program never turns it off itself.
QString webEngineUnavailable(bool sandboxRefused, const QProcessEnvironment& environment);
