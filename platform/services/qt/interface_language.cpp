#include "platform/services/qt/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <map>
#include <optional>

#include "platform/sys/message.h"
#include "platform/sys/ostatni_api.h"

namespace platform {
namespace {

std::optional<std::string> programMessages(const std::vector<std::string>& folders, const QString& language)
{
    return ostatni_API::findFile(folders, "quelmarn_" + language.toStdString() + ".qm");
}

std::string translated(const char* source)
{
    return QCoreApplication::translate("platform", source).toStdString();
}

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
    static const std::map<QString, QString> shipped = {{QStringLiteral("czech.qlk"), QStringLiteral("cs")},
                                                       {QStringLiteral("english.qlk"), QStringLiteral("en")},
                                                       {QStringLiteral("slovak.qlk"), QStringLiteral("sk")},
                                                       {QStringLiteral("hungarian.qlk"), QStringLiteral("hu")}};
    const auto found = shipped.find(QString::fromStdString(languageFileName).toLower());
    if (found != shipped.end()) return found->second;
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
    setMessageTranslator(&translated);
    return language;
}

} // namespace platform
