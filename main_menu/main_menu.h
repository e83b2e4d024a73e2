#pragma once
// Quelmarn Manager's main window.
//
// Architecture: start-up (startup/) fills the string table Form1 from the
// language file and creates main_menu with an AppContext: the table, the
// platform services (platform/services, faked in tests) and the way to end
// the process. main_menu opens every other window through one
// WindowRegistry, so each section exists at most once; each window takes
// its captions from the table when it is created. Everything that touches
// the operating system lives in platform/: system calls in plain C++ by
// topic (platform/sys), services for windows behind small interfaces.
// Every event handler runs through platform::connectGuarded, which shows a
// platform::Failure in an error message box and lets the program go on.

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "main_menu/window_registry.h"
#include "startup/app_context.h"

namespace platform {
class BrowserView;
}

class main_menu : public QWidget {
    Q_OBJECT
public:
    explicit main_menu(AppContext& context);

    WindowRegistry& windows() { return windows_; }

    // "Text1 date Text2time" as the clock shows it.
    static QString clockText(const QString& text1, const QString& text2, const QDateTime& now,
                             const QLocale& locale);

    // The advertisement page's address.
    static QString advertisementUrl();

    // Names of the windows in the order Konec closes them.
    static const QStringList& closingOrder();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Command6_Click();
    void egg1_aktivuj_Click();
    void showSection(const QString& name);
    void loadAdvertisement();
    QString localisationLine() const;

    AppContext& context_;
    WindowRegistry windows_;
    bool advertisementStarted_ = false;

    platform::BrowserView* Webreklama = nullptr;
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

// Registers every section window that exists in the registry.
void registerSectionWindows(WindowRegistry& registry, AppContext& context);
