#include "sections/messages/frm_hlasky.h"

#include "platform/services/guard.h"
#include "platform/services/message_box.h"
#include "ui/controls.h"
#include "ui/version.h"

namespace {

// The five controls every frame holds, at the same places in each.
struct FrameControls {
    QGroupBox* frame;
    QLabel* textLabel;
    QLineEdit* textBox;
    QLabel* titleLabel;
    QLineEdit* titleBox;
    QPushButton* button;
};

FrameControls makeFrame(QWidget* window, const char* const names[6], const QString& caption, const QString& textCaption,
                        const QString& titleCaption, int top)
{
    FrameControls c;
    c.frame = placed(new QGroupBox(caption, window), names[0], {0, top, 369, 121});
    c.textLabel = placed(new QLabel(textCaption, c.frame), names[1], {8, 16, 105, 17});
    c.textBox = placed(new QLineEdit(c.frame), names[2], {8, 32, 353, 19});
    c.titleLabel = placed(new QLabel(titleCaption, c.frame), names[3], {8, 56, 73, 17});
    c.titleBox = placed(new QLineEdit(c.frame), names[4], {8, 72, 353, 19});
    c.button = placed(new QPushButton(QStringLiteral("GENERUJ!"), c.frame), names[5], {8, 96, 353, 17});
    c.textLabel->setTextFormat(Qt::PlainText);
    c.titleLabel->setTextFormat(Qt::PlainText);
    return c;
}

} // namespace

frm_hlasky::frm_hlasky(AppContext& context) : context_(context)
{
    setObjectName(QStringLiteral("frm_hlasky"));
    setWindowTitle(QStringLiteral("Quelmarn Manager " QUELMARN_VERSION " - Vlastní hlášky"));
    fixWindowSize(this, 373, 379);

    static const char* const info[6] = {"Frame1", "Label1", "Text1", "Label2", "Text2", "Command1"};
    static const char* const warning[6] = {"Frame2", "Label4", "Text4", "Label3", "Text3", "Command2"};
    static const char* const error[6] = {"Frame3", "Label5", "Text5", "Label6", "Text6", "Command3"};

    const FrameControls f1 = makeFrame(this, info, QStringLiteral("Informační hláška"), QStringLiteral("text hlášky:"),
                                       QStringLiteral("nadpis hlášky:"), 0);
    const FrameControls f2 = makeFrame(this, warning, QStringLiteral("Upozorňující hláška"),
                                       QStringLiteral("Text hlášky:"), QStringLiteral("Nadpis hlášky:"), 128);
    const FrameControls f3 = makeFrame(this, error, QStringLiteral("Varovná hláška"), QStringLiteral("Text hlášky:"),
                                       QStringLiteral("Nadpis hlášky:"), 256);

    Frame1 = f1.frame;
    Label1 = f1.textLabel;
    Text1 = f1.textBox;
    Label2 = f1.titleLabel;
    Text2 = f1.titleBox;
    Command1 = f1.button;

    Frame2 = f2.frame;
    Label4 = f2.textLabel;
    Text4 = f2.textBox;
    Label3 = f2.titleLabel;
    Text3 = f2.titleBox;
    Command2 = f2.button;

    Frame3 = f3.frame;
    Label5 = f3.textLabel;
    Text5 = f3.textBox;
    Label6 = f3.titleLabel;
    Text6 = f3.titleBox;
    Command3 = f3.button;

    auto& messages = context_.services.messages;
    connectClicks(this, messages,
                  {{Command1, &frm_hlasky::Command1_Click},
                   {Command2, &frm_hlasky::Command2_Click},
                   {Command3, &frm_hlasky::Command3_Click}});

    loadGuarded(this, context_.services.messages, &frm_hlasky::Form_Load);
}

void frm_hlasky::Form_Load()
{
    setWindowTitle(QStringLiteral("Quelmarn Manager - ") + context_.T(109));

    Frame1->setTitle(context_.T(110));
    Frame2->setTitle(context_.T(111));
    Frame3->setTitle(context_.T(112));

    Label1->setText(context_.T(113));
    Label2->setText(context_.T(114));
    Label4->setText(context_.T(113));
    Label3->setText(context_.T(114));
    Label5->setText(context_.T(113));
    Label6->setText(context_.T(114));

    Command1->setText(context_.T(115));
    Command2->setText(context_.T(115));
    Command3->setText(context_.T(115));
}

void frm_hlasky::generate(const QLineEdit* textBox, int style, const QLineEdit* titleBox)
{
    const QString text = textBox->text();
    const QString title = titleBox->text();
    // Even an empty title is passed as a title of its own.
    context_.services.messages.show(text, style, title);
}

void frm_hlasky::Command1_Click() { generate(Text1, platform::InformationOk, Text2); }

void frm_hlasky::Command2_Click() { generate(Text4, platform::WarningOk, Text3); }

void frm_hlasky::Command3_Click() { generate(Text5, platform::ErrorOk, Text6); }
