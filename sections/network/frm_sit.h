#pragma once
// frm_sit: the network window. Its load shows the user, the computer's name
// and address and whether the internet can be reached; the last is found
// out by a TCP connection to the test host that the load waits for (at most
// a bounded time) while the program's other windows keep working, so the
// window comes into view with the result already shown. It also renames
// the computer and opens the dialog that connects a network share.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/app_context.h"

class frm_sit final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frm_sit)

public:
    explicit frm_sit(AppContext& context);

    // Shown in Label2 while the reachability test waits.
    static const QString waitingText;

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    AppContext& context_;

    QLabel* lbl_uzivatel;
    QLabel* lbl_pocitac;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QLabel* lbl_ip;
    QLabel* Label2;
    QPushButton* Command2;
};
