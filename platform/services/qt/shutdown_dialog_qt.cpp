#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/services/shutdown_dialog.h"

namespace platform {

ShutdownChoice QtShutdownDialogService::ask(QWidget* owner, const ShutdownRequest& request)
{
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("shutdownDialog"));
    dialog.setWindowTitle(request.title);
    dialog.setModal(true);
    auto* layout = new QVBoxLayout(&dialog);
    ShutdownChoice choice = ShutdownChoice::Cancel;
    const auto add = [&](const char* name, const QString& text, ShutdownChoice value, bool enabled) {
        auto* button = new QPushButton(text, &dialog);
        button->setObjectName(QLatin1String(name));
        button->setEnabled(enabled);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &choice, value] {
            choice = value;
            dialog.accept();
        });
        layout->addWidget(button);
        return button;
    };
    add("powerOff", request.powerOffText, ShutdownChoice::PowerOff, request.powerOffOffered);
    add("reboot", request.rebootText, ShutdownChoice::Reboot, request.rebootOffered);
    add("logOff", request.logOffText, ShutdownChoice::LogOff, true);
    add("cancel", request.cancelText, ShutdownChoice::Cancel, true)->setDefault(true);
    // Wide enough for the longest caption with room to spare: a button's
    // own size hint leaves accented captions without a margin.
    int widest = 0;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        widest = std::max(widest, button->fontMetrics().horizontalAdvance(button->text()));
    dialog.setMinimumWidth(std::max(240, widest + 48));
    dialog.exec();
    return choice;
}

} // namespace platform
