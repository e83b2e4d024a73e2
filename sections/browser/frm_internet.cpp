#include "sections/browser/frm_internet.h"

#include "platform/services/browser_view.h"
#include "platform/services/guard.h"
#include "ui/controls.h"
#include "ui/version.h"

namespace {

const QString scheme = QStringLiteral("http://");

// A typed address that names its own scheme is used as it stands; any
// other gets "http://" in front, as the label before the box shows.
QString typedAddress(const QString& text)
{
    for (const char* own : {"http://", "https://", "file:", "about:"})
        if (text.startsWith(QLatin1String(own), Qt::CaseInsensitive)) return text;
    return scheme + text;
}

} // namespace

frm_internet::frm_internet(AppContext& context) : context_(context)
{
    setObjectName(QStringLiteral("frm_internet"));
    setWindowTitle(QStringLiteral("Quelmarn Manager " QUELMARN_VERSION " - Internetový prohlížeč"));
    fixWindowSize(this, 862, 661);

    const QString homeSite = context_.config.homeSite;
    const QString secondSite = context_.config.secondSite;

    Command1 = makeButton(this, "Command1", QStringLiteral("Domů"), {0, 0, 49, 49});
    Command2 = makeButton(this, "Command2", QStringLiteral("Zpět"), {48, 0, 49, 49});
    Command3 = makeButton(this, "Command3", QStringLiteral("Vpřed"), {96, 0, 49, 49});
    Command4 = makeButton(this, "Command4", QStringLiteral("Stop"), {144, 0, 49, 49});
    Command6 = makeButton(this, "Command6", QStringLiteral("Reload"), {192, 0, 49, 49});
    Label1 = makeLabel(this, "Label1", scheme, {248, 16, 33, 17});
    Text1 = new QLineEdit(homeSite, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(288, 16, 513, 19);
    Command5 = makeButton(this, "Command5", QStringLiteral("Přejít"), {808, 16, 49, 17});
    Label2 = makeLabel(this, "Label2", QStringLiteral("Přejít na stránku:"), {248, 40, 89, 17});
    Command7 = makeButton(this, "Command7", homeSite, {344, 40, 145, 17});
    Command8 = makeButton(this, "Command8", secondSite, {496, 40, 89, 17});

    WebBrowser1 = context_.services.browsers.create(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(0, 56, 857, 601);
    // The link buttons reach one row into the page: the page lies under them.
    WebBrowser1->lower();

    // Only the Go button navigates; Enter in the address box does nothing.
    auto& messages = context_.services.messages;
    connectClicks(this, messages,
                  {{Command1, &frm_internet::Command1_Click},
                   {Command2, &frm_internet::Command2_Click},
                   {Command3, &frm_internet::Command3_Click},
                   {Command4, &frm_internet::Command4_Click},
                   {Command5, &frm_internet::Command5_Click},
                   {Command6, &frm_internet::Command6_Click},
                   {Command7, &frm_internet::Command7_Click},
                   {Command8, &frm_internet::Command8_Click}});

    loadGuarded(this, context_.services.messages, &frm_internet::Form_Load);
}

void frm_internet::Form_Load()
{
    WebBrowser1->navigate(scheme + context_.config.homeSite);

    setWindowTitle(QStringLiteral("Quelmarn Manager - ") + context_.T(108));
    Command1->setText(context_.T(101));
    Command2->setText(context_.T(102));
    Command3->setText(context_.T(103));
    Command4->setText(context_.T(104));
    Command6->setText(context_.T(105));
    Label2->setText(context_.T(106));
    Command5->setText(context_.T(107));
}

void frm_internet::Command1_Click() { WebBrowser1->goHome(); }
void frm_internet::Command2_Click() { WebBrowser1->goBack(); }
void frm_internet::Command3_Click() { WebBrowser1->goForward(); }
void frm_internet::Command4_Click() { WebBrowser1->stop(); }
void frm_internet::Command6_Click() { WebBrowser1->reload(); }
void frm_internet::Command5_Click() { WebBrowser1->navigate(typedAddress(Text1->text())); }
void frm_internet::Command7_Click() { WebBrowser1->navigate(scheme + context_.config.homeSite); }
void frm_internet::Command8_Click() { WebBrowser1->navigate(scheme + context_.config.secondSite); }
