#include "platform/services/file_dialog.h"

#include <QStringList>

#include "platform/failure.h"

namespace platform {

bool CommonDialog::show(FileDialogRequest::Kind kind)
{
    FileDialogRequest request{kind, Filter, DefaultExt, FileName};
    std::optional<QString> chosen = service_.show(request);
    if (chosen) {
        FileName = *chosen;
        return true;
    }
    if (CancelError)
        throw DialogCancelled();
    return false;
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
