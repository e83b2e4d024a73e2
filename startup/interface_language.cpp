#include "startup/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <optional>

#include "languages/shipped_languages.h"
#include "platform/sys/message.h"
#include "platform/sys/ostatni_api.h"

namespace {

std::optional<std::string> programMessages(const std::vector<std::string>& folders, const QString& language)
{
    return platform::ostatni_API::findFile(folders, "quelmarn_" + language.toStdString() + ".qm");
}

std::string translated(const char* source) { return QCoreApplication::translate("platform", source).toStdString(); }

// The translators installed last; a second installation replaces them.
QPointer<QTranslator> qtTexts;
QPointer<QTranslator> programTexts;

void replace(QPointer<QTranslator>& slot, const QString& path)
{
    delete slot.data();
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(path)) {
        QCoreApplication::installTranslator(translator);
        slot = translator;
    } else {
        delete translator;
    }
}

} // namespace

QString interfaceLanguage(const std::string& languageFileName, const QLocale& desktop,
                          const std::vector<std::string>& folders)
{
    const QString name = QString::fromStdString(languageFileName).toLower();
    for (const languages::Shipped& shipped : languages::shipped)
        if (name == QLatin1String(shipped.name) + QLatin1String(".qlk")) return QLatin1String(shipped.code);
    // The desktop's first user-interface language (LANGUAGE, LC_ALL,
    // LC_MESSAGES, LANG), not its number format.
    const QLocale ui(desktop.uiLanguages().value(0));
    const QString desktopLanguage = ui.name().section(QLatin1Char('_'), 0, 0);
    if (ui.language() != QLocale::C && programMessages(folders, desktopLanguage)) return desktopLanguage;
    return QStringLiteral("cs");
}

QString installInterfaceLanguage(const std::string& languageFileName, const std::vector<std::string>& folders,
                                 const QLocale& desktop)
{
    const QString language = interfaceLanguage(languageFileName, desktop, folders);
    replace(qtTexts, QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") + language);
    const std::optional<std::string> ours = programMessages(folders, language);
    replace(programTexts, ours ? QString::fromStdString(*ours) : QString());
    platform::setMessageTranslator(&translated);
    return language;
}
