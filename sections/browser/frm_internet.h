#pragma once
// The small web browser: navigation buttons, an address box that gets
// "http://" put in front of it unless it names its own scheme, and two buttons leading to the home
// web site and a second site. The history, the current page and the loading
// state all belong to the browser view; the window keeps none of its own.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/app_context.h"

namespace platform {
class BrowserView;
}

class frm_internet final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frm_internet)

public:
    explicit frm_internet(AppContext& context);

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();

    AppContext& context_;

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command6;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command5;
    QLabel* Label2;
    QPushButton* Command7;
    QPushButton* Command8;
    platform::BrowserView* WebBrowser1;
};
