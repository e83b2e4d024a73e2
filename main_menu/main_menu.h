#pragma once
// Quelmarn Manager's main window.
//
// Architecture: start-up (startup/) reads the environment once into a
// Configuration, fills the string table Form1 from the language file and
// creates main_menu with an AppContext (ui/): the table, the configuration,
// the platform services and system calls (faked in tests) and the way to
// end the process. main_menu opens every other window through one typed
// WindowRegistry, so each section exists at most once; each window takes
// its captions, settings and platform from the context when it is created.
// Everything that touches the operating system lives in platform/: system
// calls in plain C++ by topic (platform/sys), services for windows behind
// small interfaces (platform/services). Every event handler runs through
// platform::connectGuarded, which shows a platform::Failure in an error
// message box and lets the program go on.

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "main_menu/window_registry.h"
#include "ui/app_context.h"

namespace platform {
class BrowserView;
}

// Every section window the main menu opens, each at most once.
using SectionWindows = RegistryOf<SectionWindowList>::type;

class main_menu final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(main_menu)

public:
    explicit main_menu(AppContext& context);

    SectionWindows& windows() { return windows_; }

    // "Text1 date Text2time" as the clock shows it.
    static QString clockText(const QString& text1, const QString& text2, const QDateTime& now, const QLocale& locale);

    // The advertisement page's address on the home site.
    static QString advertisementUrl(const QString& homeSite);

    // Names of the windows in the order Konec closes them.
    static const QStringList& closingOrder();

signals:
    // Once, just after the first paint, when the menu is on the screen.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Command6_Click();
    void egg1_aktivuj_Click();
    template <typename Window>
    void opens(QPushButton* button);
    void loadAdvertisement();
    void askForAdvertisement();
    void showAdvertisement(const QString& url);
    void showOfflineStrip(const QString& reason);
    QString localisationLine() const;

    AppContext& context_;
    SectionWindows windows_;
    bool advertisementStarted_ = false;

    platform::BrowserView* Webreklama = nullptr;
    // In the banner's place while its page cannot be shown; no web engine
    // is loaded for it.
    QFrame* offlineStrip = nullptr;
    QLabel* offlineReason = nullptr;
    QPushButton* zkusitZnovu = nullptr;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* datum_a_cas;
    QLabel* Label5;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command7;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command8;
    QPushButton* Command9;
    QPushButton* Command10;
    QWidget* egg1_aktivuj;
    QTimer* Timer1;
};
