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

// The file-dialog object a window owns for its lifetime. Its settings keep
// their values from one use to the next.
class CommonDialog {
public:
    explicit CommonDialog(FileDialogService& service) : service_(service) {}

    QString Filter;
    QString DefaultExt;
    QString FileName;

    // The chosen path, which FileName then holds too; nullopt when the user
    // cancels, with FileName unchanged. A cancel is no failure: the caller
    // ends its handler.
    std::optional<QString> ShowOpen() { return show(FileDialogRequest::Open); }
    std::optional<QString> ShowSave() { return show(FileDialogRequest::Save); }

private:
    std::optional<QString> show(FileDialogRequest::Kind kind);
    FileDialogService& service_;
};

// Qt name filters ("desc (pattern)") from a "desc|pattern|..." filter.
QStringList qtNameFilters(const QString& filter);

} // namespace platform
