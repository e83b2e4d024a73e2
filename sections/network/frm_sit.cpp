#include "sections/network/frm_sit.h"

#include "platform/services/guard.h"
#include "platform/services/message_box.h"
#include "platform/services/network.h"
#include "ui/controls.h"

const QString frm_sit::waitingText = QStringLiteral("Zjišťuji internetový status...");

frm_sit::frm_sit(AppContext& context) : context_(context)
{
    setObjectName(QStringLiteral("frm_sit"));
    setWindowTitle(QStringLiteral("Quelmarn Manager - Síť"));
    fixWindowSize(this, 620, 125);

    lbl_uzivatel = makeLabel(this, "lbl_uzivatel", QStringLiteral("Aktuálně přihlášený uživatel"), {8, 8, 241, 17});
    lbl_pocitac = makeLabel(this, "lbl_pocitac", QStringLiteral("Jméno počítače"), {8, 24, 241, 17});
    Label1 = makeLabel(this, "Label1", QStringLiteral("Změna jména počítače:"), {8, 40, 249, 17});
    Text1 = placed(new QLineEdit(this), "Text1", {8, 56, 273, 19});
    Command1 = makeButton(this, "Command1", QStringLiteral("OK!"), {280, 56, 41, 17});
    lbl_ip = makeLabel(this, "lbl_ip", QStringLiteral("IP adresa"), {8, 80, 273, 17});
    Label2 = makeLabel(this, "Label2", QStringLiteral("Internetový status"), {256, 8, 249, 17});
    Command2 = makeButton(this, "Command2", QStringLiteral("Připojit síťový disk"), {8, 104, 609, 17});

    auto& messages = context_.services.messages;
    connectClicks(this, messages, {{Command1, &frm_sit::Command1_Click}, {Command2, &frm_sit::Command2_Click}});

    loadGuarded(this, context_.services.messages, &frm_sit::Form_Load);
}

void frm_sit::Form_Load()
{
    const std::optional<std::string> user = context_.system.ostatni_API.userName();
    lbl_uzivatel->setText(context_.T(88) + QString::fromStdString(user.value_or(std::string())));
    platform::NetworkService& network = context_.services.network;
    lbl_pocitac->setText(context_.T(89) + network.localHostName());
    lbl_ip->setText(context_.T(91) + network.localAddress());

    // The window is still hidden: it comes into view with the result.
    Label2->setText(waitingText);
    const bool reached =
        network.reachable(platform::parseHostPort(context_.config.testHost, 80), context_.config.reachabilityBound);
    Label2->setText(context_.T(reached ? 94 : 93));

    setWindowTitle(QStringLiteral("Quelmarn Manager - ") + context_.T(87));
    Label1->setText(context_.T(90));
}

void frm_sit::Command1_Click()
{
    if (context_.services.hostNames.setComputerName(Text1->text()))
        context_.services.messages.show(context_.T(95), platform::PlainOk);
}

void frm_sit::Command2_Click() { context_.services.shares.connectNetworkDrive(this); }
