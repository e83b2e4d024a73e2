#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/services/qt/qt_services.h"

namespace platform {

void QtMessageBoxService::show(const QString& text, int style, const std::optional<QString>& title)
{
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title ? *title : applicationTitle);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Ok);
    switch (style) {
    case ErrorOk: box.setIcon(QMessageBox::Critical); break;
    case WarningOk: box.setIcon(QMessageBox::Warning); break;
    case InformationOk: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    box.exec();
}

std::optional<QString> QtFileDialogService::show(const FileDialogRequest& request)
{
    QFileDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(request.kind == FileDialogRequest::Save ? QFileDialog::AcceptSave
                                                                  : QFileDialog::AcceptOpen);
    // No existence check and no overwrite prompt: the caller decides.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // Qt reads a filter's patterns from "description (patterns)" and would
    // show that whole text; a description that names its pattern already
    // ("Programy (*.exe)") then shows it twice. The list shows each
    // description as given, as the common dialog does.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.defaultExt.isEmpty())
        dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty()) {
        const QFileInfo previous(request.fileName);
        dialog.setDirectory(previous.absolutePath());
        dialog.selectFile(previous.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace platform
