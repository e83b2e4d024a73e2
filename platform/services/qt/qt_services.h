#pragma once
// The real services: Qt widgets, QProcess and Qt WebEngine.

#include "platform/services/services.h"

namespace platform {

class QtProgramStarter : public ProgramStarter {
public:
    void start(const QString& commandLine, int windowStyle) override;
};

class QtMessageBoxService : public MessageBoxService {
public:
    void show(const QString& text, int style, const std::optional<QString>& title) override;
};

class QtFileDialogService : public FileDialogService {
public:
    std::optional<QString> show(const FileDialogRequest& request) override;
};

class WebEngineBrowserFactory : public BrowserFactory {
public:
    BrowserView* create(QWidget* parent) override;
};

// Program and arguments of a command line: the whole text when it names an
// existing executable file (so paths with blanks need no quotes), else the
// text split at blanks with quotes honoured. Throws Failure for a blank text.
struct SplitCommand {
    QString program;
    QStringList arguments;
};
SplitCommand splitCommandLine(const QString& commandLine);

// The real services for the life of the program.
struct QtServices {
    QtProgramStarter programs;
    QtMessageBoxService messages;
    QtFileDialogService fileDialogs;
    WebEngineBrowserFactory browsers;
    Services view() { return Services{programs, messages, fileDialogs, browsers, qtPointerPosition()}; }
};

} // namespace platform
