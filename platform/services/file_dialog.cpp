#include "platform/services/file_dialog.h"

#include <QStringList>

namespace platform {

std::optional<QString> CommonDialog::show(FileDialogRequest::Kind kind)
{
    std::optional<QString> chosen = service_.show({kind, Filter, DefaultExt, FileName});
    if (chosen) FileName = *chosen;
    return chosen;
}

QStringList qtNameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" means every file, also one without an extension.
        if (patterns == QLatin1String("*.*")) patterns = QStringLiteral("*");
        result << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    if (parts.size() % 2 == 1 && !parts.last().isEmpty()) // a lone pattern
        result << parts.last();
    return result;
}

} // namespace platform
