#pragma once
// The language of the messages the program composes and of Qt's own texts
// (dialog buttons, the file dialog): the language of the chosen language
// file. The shipped files name theirs; for any other the desktop's locale
// decides when the program has its messages in that language, else Czech.

#include <QLocale>
#include <QString>
#include <string>
#include <vector>

// The code a shipped language file names (languages/CMakeLists.txt), or another language whose program messages
// (quelmarn_<language>.qm) one of `folders` holds.
QString interfaceLanguage(const std::string& languageFileName, const QLocale& desktop,
                          const std::vector<std::string>& folders);

// Loads Qt's translations (qtbase_<language>.qm from Qt's folder) and the
// program's (quelmarn_<language>.qm, looked for in `folders` as the
// language files are) into the application, replacing any loaded before,
// and routes the system-call layer's messages through them. Returns the
// language. A missing file leaves those texts in English.
QString installInterfaceLanguage(const std::string& languageFileName, const std::vector<std::string>& folders,
                                 const QLocale& desktop = QLocale::system());
