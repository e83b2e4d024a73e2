#pragma once

#include <QString>
#include <optional>

namespace platform {

// Shown by a message box that gets no title of its own.
inline const QString applicationTitle = QStringLiteral("QuelmarnManager 0.00 Beta");

// Message-box styles: the OK button alone, with or without an icon.
enum MessageStyle : int {
    PlainOk = 0,
    ErrorOk = 16,
    WarningOk = 48,
    InformationOk = 64,
};

// Shows a message box modal to the program and returns when OK is pressed.
// A title that is passed (even an empty one) replaces the application title.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const QString& text, int style, const std::optional<QString>& title = std::nullopt) = 0;
};

} // namespace platform
