#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "platform/services/qt/qt_services.h"

namespace platform {

int titleBarWidth(const QString& title)
{
    // Window managers set titles in a bold face of about 10 points and put
    // an icon and two or three buttons beside them; Qt's own allowance
    // (its title-bar font and 50 pixels) cuts titles under most of them.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setPointSizeF(std::max(font.pointSizeF(), 10.0));
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, int style, const std::optional<QString>& title)
{
    auto box = std::make_unique<QMessageBox>();
    box->setWindowModality(Qt::ApplicationModal);
    box->setWindowTitle(title ? *title : applicationTitle);
    box->setText(text);
    box->setTextFormat(Qt::PlainText);
    box->setStandardButtons(QMessageBox::Ok);
    switch (style) {
    case ErrorOk: box->setIcon(QMessageBox::Critical); break;
    case WarningOk: box->setIcon(QMessageBox::Warning); break;
    case InformationOk: box->setIcon(QMessageBox::Information); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
    }
    // Its size is fixed: a title and a close button, nothing to maximise.
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                        | Qt::WindowCloseButtonHint);
    // The box sizes itself to its layout whenever it is shown: an empty item
    // as wide as the title needs, in the buttons' row, holds it that wide.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        int row = 0, column = 0, rows = 1, columns = 1;
        const int buttons = grid->indexOf(box->findChild<QDialogButtonBox*>());
        if (buttons >= 0)
            grid->getItemPosition(buttons, &row, &column, &rows, &columns);
        else
            row = grid->rowCount();
        const int margins = grid->contentsMargins().left() + grid->contentsMargins().right();
        grid->addItem(
            new QSpacerItem(titleBarWidth(box->windowTitle()) - margins, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
            row, 0, rows, grid->columnCount());
    }
    return box;
}

void QtMessageBoxService::show(const QString& text, int style, const std::optional<QString>& title)
{
    makeMessageBox(text, style, title)->exec();
}

std::optional<QString> QtFileDialogService::show(const FileDialogRequest& request)
{
    QFileDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(request.kind == FileDialogRequest::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // No existence check and no overwrite prompt: the caller decides.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // Qt reads a filter's patterns from "description (patterns)" and would
    // show that whole text; a description that names its pattern already
    // ("Programy (*.exe)") then shows it twice. The list shows each
    // description as given, as the common dialog does.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.defaultExt.isEmpty()) dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty()) {
        const QFileInfo previous(request.fileName);
        dialog.setDirectory(previous.absolutePath());
        dialog.selectFile(previous.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace platform
