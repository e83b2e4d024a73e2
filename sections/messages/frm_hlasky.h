#pragma once
// frm_hlasky: composes message boxes of three kinds (information, warning,
// error) from a text and a title the user types, each passed exactly as
// typed.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/app_context.h"

class frm_hlasky final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frm_hlasky)

public:
    explicit frm_hlasky(AppContext& context);

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void generate(const QLineEdit* textBox, int style, const QLineEdit* titleBox);

    AppContext& context_;

    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QLineEdit* Text2;
    QPushButton* Command1;

    QGroupBox* Frame2;
    QLabel* Label4;
    QLineEdit* Text4;
    QLabel* Label3;
    QLineEdit* Text3;
    QPushButton* Command2;

    QGroupBox* Frame3;
    QLabel* Label5;
    QLineEdit* Text5;
    QLabel* Label6;
    QLineEdit* Text6;
    QPushButton* Command3;
};
