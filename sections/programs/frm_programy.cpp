#include "sections/programs/frm_programy.h"

#include "platform/failure.h"
#include "platform/services/guard.h"
#include "ui/controls.h"
#include "ui/version.h"

frm_programy::frm_programy(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), CommonDialog1(context.services.fileDialogs)
{
    setObjectName(QStringLiteral("frm_programy"));
    setWindowTitle(QStringLiteral("EXE Programy - Quelmarn Manager " QUELMARN_VERSION " Beta"));
    setFixedSize(575, 154);

    // Row r (1..5): path box Text<r>, browse Command<2r-1>, run Command<2r>.
    QLineEdit** pathBoxes[] = {&Text1, &Text2, &Text3, &Text4, &Text5};
    QPushButton** buttons[] = {&Command1, &Command2, &Command3, &Command4, &Command5,
                               &Command6, &Command7, &Command8, &Command9, &Command10};
    for (int row = 0; row < 5; ++row) {
        const int top = 8 + 24 * row;
        *pathBoxes[row] = makeTextBox(this, QStringLiteral("Text%1").arg(row + 1), {8, top, 473, 19});
        *buttons[2 * row] = makeButton(this, QStringLiteral("Command%1").arg(2 * row + 1), QStringLiteral("..."),
                                       {480, top, 25, 17});
        *buttons[2 * row + 1] = makeButton(this, QStringLiteral("Command%1").arg(2 * row + 2),
                                           QStringLiteral("Spustit!"), {504, top, 65, 17});
    }
    Command11 = makeButton(this, QStringLiteral("Command11"), QStringLiteral("Spustit všechny zadané programy!"),
                           {8, 128, 561, 25});

    auto& messages = context_.services.messages;
    connectClicks(this, messages,
                  {{Command1, &frm_programy::Command1_Click}, {Command2, &frm_programy::Command2_Click},
                   {Command3, &frm_programy::Command3_Click}, {Command4, &frm_programy::Command4_Click},
                   {Command5, &frm_programy::Command5_Click}, {Command6, &frm_programy::Command6_Click},
                   {Command7, &frm_programy::Command7_Click}, {Command8, &frm_programy::Command8_Click},
                   {Command9, &frm_programy::Command9_Click}, {Command10, &frm_programy::Command10_Click},
                   {Command11, &frm_programy::Command11_Click}});

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

void frm_programy::run(QLineEdit* pathBox)
{
    if (pathBox->text().isEmpty()) {
        context_.services.messages.show(context_.T(84), platform::WarningOk, context_.T(85));
        return;
    }
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
    // A failing row stops the loop: the rows before it stay started.
    for (const QLineEdit* row : rows)
        context_.services.programs.start(row->text(), platform::MinimizedFocus);
}
