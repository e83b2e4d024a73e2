#pragma once

#include <QString>
#include <optional>

namespace platform {

// What a file dialog is asked to show.
struct FileDialogRequest {
    enum Kind { Open, Save } kind = Open;
    QString filter;     // "description|pattern|description|pattern..."
    QString defaultExt; // added to a typed name without an extension
    QString fileName;   // preselected path
};

// Shows the common file dialog; returns the chosen full path, or nullopt
// when the user cancels.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual std::optional<QString> show(const FileDialogRequest& request) = 0;
};

// The file-dialog object a window owns for its lifetime. Its four settings
// keep their values from one use to the next.
class CommonDialog {
public:
    explicit CommonDialog(FileDialogService& service) : service_(service) {}

    QString Filter;
    QString DefaultExt;
    QString FileName;
    bool CancelError = false;

    // On confirm FileName holds the chosen path. On cancel: throws
    // platform::DialogCancelled when CancelError is set, else returns with
    // FileName unchanged. Returns whether the user confirmed, so a caller
    // learns of a cancel whatever CancelError holds.
    bool ShowOpen() { return show(FileDialogRequest::Open); }
    bool ShowSave() { return show(FileDialogRequest::Save); }

private:
    bool show(FileDialogRequest::Kind kind);
    FileDialogService& service_;
};

// Qt name filters ("desc (pattern)") from a "desc|pattern|..." filter.
QStringList qtNameFilters(const QString& filter);

} // namespace platform
