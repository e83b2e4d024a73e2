#pragma once
// Launcher for up to five command lines. Each row has a path box, a browse
// button and a run button; one more button starts all five rows. The rows
// and the dialog object live only as long as the window.

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "platform/services/file_dialog.h"
#include "ui/app_context.h"

class frm_programy : public QWidget {
    Q_OBJECT
public:
    explicit frm_programy(AppContext& context, QWidget* parent = nullptr);

    // What the browse buttons put into the dialog's type list: the
    // program-file pattern first, then every file, since Linux programs
    // rarely carry an extension.
    static QString programFilter(const QString& description);

    // The longest command line a row starts (the most a Windows command
    // line holds); a longer one is refused whole, never cut.
    static constexpr int longestCommandLine = 32767;

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
    void Command10_Click();
    void Command11_Click();

    void browse(QLineEdit* pathBox);
    void run(QLineEdit* pathBox);
    // Throws, naming the box, when its line is longer than longestCommandLine.
    static void refuseOverlong(const QLineEdit* pathBox);

    AppContext& context_;
    platform::CommonDialog CommonDialog1;

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
    QPushButton* Command10;
    QPushButton* Command11;
};
