#include "sections/programs/frm_programy.h"

#include <limits>

#include "platform/failure.h"
#include "platform/services/guard.h"
#include "ui/controls.h"
#include "ui/version.h"

frm_programy::frm_programy(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), CommonDialog1(context.services.fileDialogs)
{
    setObjectName(QStringLiteral("frm_programy"));
    setWindowTitle(QStringLiteral("EXE Programy - Quelmarn Manager " QUELMARN_VERSION " Beta"));
    fixWindowSize(this, 575, 154);

    // Row r (1..5): path box Text<r>, browse Command<2r-1>, run Command<2r>.
    struct Row {
        QLineEdit*& path;
        QPushButton*& browse;
        void (frm_programy::*browseClick)();
        QPushButton*& run;
        void (frm_programy::*runClick)();
    };
    const Row rows[] = {
        {Text1, Command1, &frm_programy::Command1_Click, Command2, &frm_programy::Command2_Click},
        {Text2, Command3, &frm_programy::Command3_Click, Command4, &frm_programy::Command4_Click},
        {Text3, Command5, &frm_programy::Command5_Click, Command6, &frm_programy::Command6_Click},
        {Text4, Command7, &frm_programy::Command7_Click, Command8, &frm_programy::Command8_Click},
        {Text5, Command9, &frm_programy::Command9_Click, Command10, &frm_programy::Command10_Click},
    };
    auto& messages = context_.services.messages;
    for (int r = 0; r < 5; ++r) {
        const int top = 8 + 24 * r;
        const Row& row = rows[r];
        row.path = makeTextBox(this, QStringLiteral("Text%1").arg(r + 1), {8, top, 473, 19});
        // The box takes a pasted line whole, however long, so that a line
        // too long to start is refused rather than cut without a word.
        row.path->setMaxLength(std::numeric_limits<int>::max());
        row.browse = makeButton(this, QStringLiteral("Command%1").arg(2 * r + 1), QStringLiteral("..."),
                                {480, top, 25, 17});
        row.run = makeButton(this, QStringLiteral("Command%1").arg(2 * r + 2), QStringLiteral("Spustit!"),
                             {504, top, 65, 17});
        connectClicks(this, messages, {{row.browse, row.browseClick}, {row.run, row.runClick}});
    }
    Command11 = makeButton(this, QStringLiteral("Command11"), QStringLiteral("Spustit všechny zadané programy!"),
                           {8, 128, 561, 25});
    connectClicks(this, messages, {{Command11, &frm_programy::Command11_Click}});

    Form_Load();
}

QString frm_programy::programFilter(const QString& description)
{
    return description + QStringLiteral("|*.exe|Všechny typy souborů|*");
}

void frm_programy::Form_Load()
{
    setWindowTitle(QStringLiteral("Quelmarn Manager - ") + context_.T(80));
    Command11->setText(context_.T(81));
    for (QPushButton* runButton : {Command2, Command4, Command6, Command8, Command10})
        runButton->setText(context_.T(82));
}

void frm_programy::Command1_Click() { browse(Text1); }
void frm_programy::Command3_Click() { browse(Text2); }
void frm_programy::Command5_Click() { browse(Text3); }
void frm_programy::Command7_Click() { browse(Text4); }
void frm_programy::Command9_Click() { browse(Text5); }

void frm_programy::Command2_Click() { run(Text1); }
void frm_programy::Command4_Click() { run(Text2); }
void frm_programy::Command6_Click() { run(Text3); }
void frm_programy::Command8_Click() { run(Text4); }
void frm_programy::Command10_Click() { run(Text5); }

void frm_programy::browse(QLineEdit* pathBox)
{
    CommonDialog1.CancelError = true;
    // A cancelled or failed dialog ends the browse silently and leaves the
    // path box as it was.
    try {
        CommonDialog1.Filter = programFilter(context_.T(83));
        CommonDialog1.ShowOpen();
        pathBox->setText(CommonDialog1.FileName);
    } catch (const std::exception&) {
    }
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

void frm_programy::run(QLineEdit* pathBox)
{
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
    const QLineEdit* rows[] = {Text1, Text2, Text3, Text4, Text5};
    for (const QLineEdit* row : rows) {
        if (row->text().isEmpty()) {
            context_.services.messages.show(context_.T(86), platform::WarningOk, context_.T(85));
            return;
        }
    }
    for (const QLineEdit* row : rows) refuseOverlong(row);
    // A failing row stops the loop: the rows before it stay started.
    for (const QLineEdit* row : rows)
        context_.services.programs.start(row->text(), platform::MinimizedFocus);
}
