#include "sections/programs/frm_programy.h"

#include <limits>

#include "platform/failure.h"
#include "platform/services/guard.h"
#include "ui/controls.h"
#include "ui/version.h"

frm_programy::frm_programy(AppContext& context) : context_(context), CommonDialog1(context.services.fileDialogs)
{
    setObjectName(QStringLiteral("frm_programy"));
    setWindowTitle(QStringLiteral("EXE Programy - Quelmarn Manager " QUELMARN_VERSION " Beta"));
    fixWindowSize(this, 575, 154);

    auto& messages = context_.services.messages;
    for (int r = 1; r <= rowCount; ++r) {
        const int top = 8 + 24 * (r - 1);
        Row& row = rows_[r - 1];
        row.path = makeTextBox(this, pathBoxName(r), {8, top, 473, 19});
        // The box takes a pasted line whole, however long, so that a line
        // too long to start is refused rather than cut without a word.
        row.path->setMaxLength(std::numeric_limits<int>::max());
        row.browse = makeButton(this, browseButtonName(r), QStringLiteral("..."), {480, top, 25, 17});
        row.run = makeButton(this, runButtonName(r), QStringLiteral("Spustit!"), {504, top, 65, 17});
        // A browse that fails ends silently and leaves the path box as it was.
        platform::connectGuarded(
            row.browse, &QPushButton::clicked, this, messages, [this, r] { browse_Click(r); },
            platform::OnFailure::EndSilently);
        platform::connectGuarded(row.run, &QPushButton::clicked, this, messages, [this, r] { run_Click(r); });
    }
    Command11 = makeButton(this, runAllButtonName(), QStringLiteral("Spustit všechny zadané programy!"),
                           {8, 8 + 24 * rowCount, 561, 25});
    connectClicks(this, messages, {{Command11, &frm_programy::Command11_Click}});

    loadGuarded(this, context_.services.messages, &frm_programy::Form_Load);
}

QString frm_programy::programFilter(const QString& description)
{
    return description + QStringLiteral("|*.exe|Všechny typy souborů|*");
}

void frm_programy::Form_Load()
{
    setWindowTitle(QStringLiteral("Quelmarn Manager - ") + context_.T(80));
    Command11->setText(context_.T(81));
    for (const Row& row : rows_) row.run->setText(context_.T(82));
}

void frm_programy::browse_Click(int row)
{
    CommonDialog1.Filter = programFilter(context_.T(83));
    if (const std::optional<QString> chosen = CommonDialog1.ShowOpen()) rows_[row - 1].path->setText(*chosen);
}

void frm_programy::refuseOverlong(const QLineEdit* pathBox)
{
    const qsizetype length = pathBox->text().size();
    if (length <= longestCommandLine) return;
    throw platform::Failure(tr("The command line in box %1 is %2 characters long; a program can be "
                               "started with at most %3. Nothing was started.")
                                .arg(pathBox->objectName())
                                .arg(length)
                                .arg(longestCommandLine)
                                .toStdString());
}

void frm_programy::run_Click(int row)
{
    const QLineEdit* pathBox = rows_[row - 1].path;
    if (pathBox->text().isEmpty()) {
        context_.services.messages.show(context_.T(84), platform::WarningOk, context_.T(85));
        return;
    }
    refuseOverlong(pathBox);
    // A program that cannot be started throws; the handler guard reports it.
    context_.services.programs.start(pathBox->text(), platform::MinimizedFocus);
}

void frm_programy::Command11_Click()
{
    for (const Row& row : rows_) {
        if (row.path->text().isEmpty()) {
            context_.services.messages.show(context_.T(86), platform::WarningOk, context_.T(85));
            return;
        }
    }
    for (const Row& row : rows_) refuseOverlong(row.path);
    // A failing row stops the loop: the rows before it stay started.
    for (const Row& row : rows_) context_.services.programs.start(row.path->text(), platform::MinimizedFocus);
}
