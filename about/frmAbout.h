#pragma once
// frmAbout: the program's name, version and icon, and a read-only text with
// an introduction, a call for co-workers, the version history and thanks.
// OK, Enter and Esc close it.

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/app_context.h"

class frmAbout final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    explicit frmAbout(AppContext& context);

    // The fixed about text; it is not localised.
    static const QString& aboutText();

private:
    void Form_Load();
    void cmdOK_Click();

    AppContext& context_;

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QPlainTextEdit* Text1;
    QFrame* Line1[2];
    QPushButton* cmdOK;
};
