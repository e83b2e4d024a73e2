#include "about/frmAbout.h"

#include <QKeySequence>
#include <QPixmap>
#include <QShortcut>

#include "platform/services/guard.h"
#include "ui/controls.h"
#include "ui/version.h"

namespace {

QFrame* makeLine(QWidget* parent, const char* name, const QColor& colour, const QRect& geometry)
{
    auto* line = placed(new QFrame(parent), name, geometry);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

} // namespace

frmAbout::frmAbout(AppContext& context) : context_(context)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("O programu..."));
    fixWindowSize(this, 497, 300);

    picIcon = placed(new QLabel(this), "picIcon", {16, 16, 36, 36});
    picIcon->setPixmap(QPixmap(QStringLiteral(":/about/icon.png")));
    picIcon->setAlignment(Qt::AlignCenter);

    lblTitle = placed(new QLabel(QStringLiteral("Quelmarn Manager"), this), "lblTitle", {70, 16, 259, 32});
    QFont titleFont = font();
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = placed(new QLabel(QStringLiteral("Verze: " QUELMARN_VERSION), this), "lblVersion", {70, 52, 259, 15});
    for (QLabel* label : {lblTitle, lblVersion}) label->setTextFormat(Qt::PlainText);

    Text1 = placed(new QPlainTextEdit(aboutText(), this), "Text1", {8, 72, 489, 185});
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // A white and a grey line on the same place make an etched separator.
    Line1[0] = makeLine(this, "Line1_0", Qt::white, {0, 264, 497, 2});
    Line1[1] = makeLine(this, "Line1_1", QColor(0x80, 0x80, 0x80), {0, 264, 497, 1});

    cmdOK = placed(new QPushButton(QStringLiteral("OK"), this), "cmdOK", {408, 272, 84, 23});
    cmdOK->setDefault(true);

    auto& messages = context_.services.messages;
    platform::connectGuarded(cmdOK, &QPushButton::clicked, this, messages, [this] { cmdOK_Click(); });
    // cmdOK is both the default and the cancel button, wherever the focus is.
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, cmdOK, &QPushButton::click);
    }

    loadGuarded(this, context_.services.messages, &frmAbout::Form_Load);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("Quelmarn Manager - ") + context_.T(117));
    lblVersion->setText(context_.T(116) + QStringLiteral(QUELMARN_VERSION));
}

void frmAbout::cmdOK_Click() { close(); }

const QString& frmAbout::aboutText()
{
    static const QString text = QStringLiteral(
        "Úvodem\n"
        "======\n"
        "Vítejte u druhé verze našeho společného projektu \"Quelmarn Manageru\". Nejvíc jsme hrdí na "
        "systém skinů a na systém lokalizací, díky kterému si program můžete opatřit i ve slovenštině, "
        "angličtině a maďarštině. Na dalších překladech se už pilně pracuje.\n"
        "\n"
        "Spolupráce\n"
        "==========\n"
        "Hledáme schopné lidi, kterým se náš projekt líbí a chtěli by ho s námi dál rozvíjet. Napište nám "
        "na ales.mraz@quelmarn.example nebo na eva.hruba@quelmarn.example.\n"
        "---POZOR! Chcete vytvářet překlady do tohoto programu?\n"
        "Potom čtěte dále v sekci Nastavení.\n"
        "\n"
        "Historie\n"
        "========\n"
        "10/2005 - verze 0.05\n"
        "--------------------\n"
        "- nová sekce Programy\n"
        "- Windows hlášky\n"
        "- vestavěný internetový prohlížeč\n"
        "- skrývání a zobrazování Taskbaru a tlačítka Start\n"
        "- lepší zobrazení verze operačního systému\n"
        "- jak dlouho už Windows běží, a to na milisekundy\n"
        "- souřadnice myši\n"
        "- internetový status\n"
        "- poznámky se nyní ukládají do úspornějšího formátu TXT\n"
        "- systém lokalizací\n"
        "- nová sekce Nastavení\n"
        "- datum a čas v hlavním menu\n"
        "- reklama v hlavním menu (program nijak nezpomaluje)\n"
        "- easter egg\n"
        "\n"
        "07/2005 - verze 0.00 Beta\n"
        "-------------------------\n"
        "- první verze programu, zatím jako beta\n"
        "\n"
        "Poděkování\n"
        "==========\n"
        "Kvído - za pomoc s webovými stránkami\n"
        "Šroubek - za užitečné rady při programování\n"
        "Pastelka - za pomoc s grafikou webu\n"
        "...všem, kdo pomohli tuto verzi vylepšit\n"
        "...uživatelům za kladné ohlasy\n"
        "...všem, kdo si program stáhli\n"
        "\n"
        "Těšíme se na shledanou u další verze!\n"
        "\n"
        "Aleš Mráz (ales.mraz@quelmarn.example) - nápad a programování\n"
        "Ing. Eva Hrubá (eva.hruba@quelmarn.example) - hlavní testerka a vedoucí lokalizací\n"
        "\n"
        "Quelmarn Team");
    return text;
}
