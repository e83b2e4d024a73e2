#pragma once
// The files-and-folders window: where the Windows, TEMP and system folders
// lie, a button for the run prompt, and three small forms that copy, move
// and delete a file through the platform's file operations. The path boxes
// and the one dialog object shared by the five browse buttons live only as
// long as the window.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "platform/services/file_dialog.h"
#include "ui/app_context.h"

class frm_slozky final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frm_slozky)

public:
    explicit frm_slozky(AppContext& context);

    // The path a folder buffer holds: the text before its first code-0
    // character.
    static QString cutAtNul(const char* buffer, int size);

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
    void Command9_Click();

    void browse(QLineEdit* pathBox, bool saveForm);

    AppContext& context_;
    platform::CommonDialog CommonDialog1;

    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command8;
    QPushButton* Command9;
};
