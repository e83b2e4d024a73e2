#include "main_menu/main_menu.h"

#include <QDateTime>
#include <QFont>
#include <QLocale>
#include <QMouseEvent>
#include <QPixmap>

#include "platform/services/browser_view.h"
#include "platform/services/guard.h"
#include "ui/controls.h"
#include "ui/version.h"

namespace {

// An invisible spot that reacts to a click.
class ClickArea : public QWidget {
public:
    ClickArea(QWidget* parent, std::function<void()> onClick) : QWidget(parent), onClick_(std::move(onClick)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) onClick_();
    }

private:
    std::function<void()> onClick_;
};

// A picture whose resource is decoded at once, or (hidden ones) only when
// first shown: decoding is a good part of the main menu's start-up.
QLabel* makePicture(QWidget* parent, const char* name, const QString& resource, const QRect& geometry)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    if (!resource.isEmpty()) picture->setPixmap(QPixmap(resource));
    picture->setGeometry(geometry);
    return picture;
}

void showPicture(QLabel* picture, const QString& resource)
{
    if (picture->pixmap().isNull()) picture->setPixmap(QPixmap(resource));
    picture->show();
}

// The banner waits for its page no longer than the reachability test, and
// at most this long: it only decides what the banner shows.
constexpr std::chrono::milliseconds advertisementBound{5000};

const QString image2Resource = QStringLiteral(":/main_menu/image2.png");
const QString image3Resource = QStringLiteral(":/main_menu/image3.png");

// The user's time format, with seconds even where the short format has none.
QString timeFormatWithSeconds(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s'))) {
        const int minutes = format.indexOf(QLatin1String("mm"));
        if (minutes >= 0) format.insert(minutes + 2, QLatin1String(":ss"));
    }
    return format;
}

} // namespace

main_menu::main_menu(AppContext& context) : context_(context), windows_(context)
{
    setObjectName(QStringLiteral("main_menu"));
    setWindowTitle(QStringLiteral("Quelmarn Manager " QUELMARN_VERSION));
    fixWindowSize(this, 747, 320);

    Image1 = makePicture(this, "Image1", QStringLiteral(":/main_menu/image1.png"), {96, 80, 555, 74});
    Image2 = makePicture(this, "Image2", QString(), {168, 96, 102, 95});
    Image2->setScaledContents(true);
    Image2->hide();
    Image3 = makePicture(this, "Image3", QString(), {456, 96, 110, 95});
    Image3->hide();

    Label1 = makeLabel(this, "Label1", QStringLiteral("v. " QUELMARN_VERSION), {584, 144, 129, 17});
    QFont authorFont(QStringLiteral("Arial"));
    authorFont.setPointSizeF(9);
    authorFont.setBold(true);
    Label2 = makeLabel(this, "Label2", QStringLiteral("Aleš Mráz"), {181, 187, 89, 17});
    Label3 = makeLabel(this, "Label3", QStringLiteral("&"), {358, 187, 17, 17});
    Label4 = makeLabel(this, "Label4", QStringLiteral("Ing. Eva Hrubá"), {469, 187, 97, 17});
    for (QLabel* author : {Label2, Label3, Label4}) author->setFont(authorFont);

    datum_a_cas = makeLabel(this, "datum_a_cas", QString(), {253, 216, 241, 17});
    datum_a_cas->setAlignment(Qt::AlignCenter);
    Label5 =
        makeLabel(this, "Label5", QStringLiteral("Zvolená lokalizace: xxx Autor lokalizace: xxx E-mail autora: xxx"),
                  {0, 240, 745, 17});
    Label5->setAlignment(Qt::AlignCenter);

    Command1 = makeButton(this, "Command1", QStringLiteral("Systém"), {0, 256, 105, 25});
    Command2 = makeButton(this, "Command2", QStringLiteral("Soubory a složky "), {104, 256, 121, 25});
    Command7 = makeButton(this, "Command7", QStringLiteral("Programy"), {224, 256, 105, 25});
    Command3 = makeButton(this, "Command3", QStringLiteral("Síť"), {328, 256, 121, 25});
    Command4 = makeButton(this, "Command4", QStringLiteral("Poznámky"), {448, 256, 121, 25});
    Command5 = makeButton(this, "Command5", QStringLiteral("O programu"), {608, 256, 73, 25});
    Command6 = makeButton(this, "Command6", QStringLiteral("Konec"), {680, 256, 65, 25});
    Command8 = makeButton(this, "Command8", QStringLiteral("Internetový prohlížeč"), {0, 280, 113, 25});
    Command9 = makeButton(this, "Command9", QStringLiteral("Windows hlášky"), {112, 280, 113, 25});
    Command10 = makeButton(this, "Command10", QStringLiteral("Nastavení"), {608, 280, 73, 25});

    egg1_aktivuj = new ClickArea(
        this, [this] { platform::runGuarded(context_.services.messages, [this] { egg1_aktivuj_Click(); }); });
    egg1_aktivuj->setObjectName(QStringLiteral("egg1_aktivuj"));
    egg1_aktivuj->setGeometry(728, 0, 17, 17);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    auto& messages = context_.services.messages;
    opens<frm_system>(Command1);
    opens<frm_slozky>(Command2);
    opens<frm_sit>(Command3);
    opens<frm_poznamky>(Command4);
    opens<frmAbout>(Command5);
    opens<frm_programy>(Command7);
    opens<frm_internet>(Command8);
    opens<frm_hlasky>(Command9);
    opens<frm_nastav>(Command10);
    platform::connectGuarded(Command6, &QPushButton::clicked, this, messages, [this] { Command6_Click(); });
    platform::connectGuarded(Timer1, &QTimer::timeout, this, messages, [this] { Timer1_Timer(); });

    loadGuarded(this, context_.services.messages, &main_menu::Form_Load);
    Timer1->start();
}

QString main_menu::clockText(const QString& text1, const QString& text2, const QDateTime& now, const QLocale& locale)
{
    return text1 + QLatin1Char(' ') + locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') + text2
        + locale.toString(now.time(), timeFormatWithSeconds(locale));
}

QString main_menu::advertisementUrl(const QString& homeSite)
{
    return QStringLiteral("http://") + homeSite + QStringLiteral("/program/reklama/uvod/index.html");
}

const QStringList& main_menu::closingOrder()
{
    // Every form by name, the start-up form (never open by then) among them.
    static const QStringList order = [] {
        QStringList names = SectionWindows::classNames();
        names << QStringLiteral("frm_load");
        names.sort(Qt::CaseInsensitive);
        return names;
    }();
    return order;
}

QString main_menu::localisationLine() const
{
    const AppContext& c = context_;
    return c.T(3) + c.T(127) + QStringLiteral(" | ") + c.T(4) + c.T(126) + QStringLiteral(" | ") + c.T(5) + c.T(128);
}

void main_menu::Form_Load()
{
    // 1. The advertisement is navigated once the window has first been
    //    painted (paintEvent), so the web engine never delays the menu.
    // 2.
    Timer1_Timer();
    // 3.
    Label5->setText(localisationLine());
    Label5->setToolTip(localisationLine());
    // 4.
    Command1->setText(context_.T(6));
    Command2->setText(context_.T(7));
    Command7->setText(context_.T(8));
    Command3->setText(context_.T(9));
    Command4->setText(context_.T(10));
    Command5->setText(context_.T(11));
    Command6->setText(context_.T(12));
    Command8->setText(context_.T(13));
    Command9->setText(context_.T(14));
    Command10->setText(context_.T(15));
}

void main_menu::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!advertisementStarted_) {
        advertisementStarted_ = true;
        QTimer::singleShot(0, this, [this] {
            emit firstPainted();
            platform::runGuarded(context_.services.messages, [this] { loadAdvertisement(); });
        });
    }
}

// The web engine takes more memory than the rest of the program together,
// so it is loaded only once the home site has answered with the page.
void main_menu::loadAdvertisement()
{
    const QString reason = context_.services.browsers.unavailable();
    if (!reason.isEmpty())
        showOfflineStrip(reason);
    else
        askForAdvertisement();
}

void main_menu::askForAdvertisement()
{
    if (zkusitZnovu) zkusitZnovu->setEnabled(false); // one question at a time
    const QString url = advertisementUrl(context_.config.homeSite);
    const auto bound = std::min(context_.config.reachabilityBound, advertisementBound);
    context_.services.network.askPage(url, bound, this, [this, url](bool answered) {
        platform::runGuarded(context_.services.messages, [&] {
            if (answered)
                showAdvertisement(url);
            else
                showOfflineStrip(QString());
        });
    });
}

void main_menu::showAdvertisement(const QString& url)
{
    if (offlineStrip) offlineStrip->hide();
    Webreklama = context_.services.browsers.create(this);
    Webreklama->setObjectName(QStringLiteral("Webreklama"));
    Webreklama->setGeometry(113, 0, 521, 73);
    Webreklama->show();
    // The engine's error page, cut to the banner, says nothing a user can
    // use (the page may still fail after the site has answered).
    Webreklama->setOfflinePage(QStringLiteral("qrc:/main_menu/offline/index.html"));
    Webreklama->navigate(url);
}

// `reason` says why no page can be shown at all; without one the page may
// come back, and "Zkusit znovu" asks again.
void main_menu::showOfflineStrip(const QString& reason)
{
    if (!offlineStrip) {
        offlineStrip = new QFrame(this);
        offlineStrip->setObjectName(QStringLiteral("offlineStrip"));
        offlineStrip->setFrameShape(QFrame::Box);
        offlineStrip->setGeometry(113, 0, 521, 73);
        QLabel* text = makeLabel(offlineStrip, "offlineText", tr("The program's page is not available right now."),
                                 {0, 10, 521, 17});
        text->setAlignment(Qt::AlignCenter);
        offlineReason = makeLabel(offlineStrip, "offlineReason", QString(), {4, 34, 513, 17});
        offlineReason->setAlignment(Qt::AlignCenter);
        zkusitZnovu = makeButton(offlineStrip, "zkusitZnovu", QStringLiteral("Zkusit znovu"), {210, 36, 101, 25});
        platform::connectGuarded(zkusitZnovu, &QPushButton::clicked, this, context_.services.messages,
                                 [this] { askForAdvertisement(); });
    }
    offlineReason->setText(reason);
    offlineReason->setVisible(!reason.isEmpty());
    zkusitZnovu->setVisible(reason.isEmpty());
    zkusitZnovu->setEnabled(true);
    offlineStrip->show();
}

void main_menu::Timer1_Timer()
{
    datum_a_cas->setText(clockText(context_.T(1), context_.T(2), QDateTime::currentDateTime(), QLocale()));
}

template <typename Window>
void main_menu::opens(QPushButton* button)
{
    platform::connectGuarded(button, &QPushButton::clicked, this, context_.services.messages,
                             [this] { windows_.show<Window>(); });
}

void main_menu::Command6_Click()
{
    windows_.closeInOrder(closingOrder());
    close();
    context_.endProgram();
}

void main_menu::egg1_aktivuj_Click()
{
    showPicture(Image2, image2Resource);
    showPicture(Image3, image3Resource);
}
