#pragma once
// Launcher for up to five command lines. Each row has a path box, a browse
// button and a run button; one more button starts every row. The rows and
// the dialog object live only as long as the window.

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "platform/services/file_dialog.h"
#include "ui/app_context.h"

class frm_programy final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frm_programy)

public:
    explicit frm_programy(AppContext& context);

    // What the browse buttons put into the dialog's type list: the
    // program-file pattern first, then every file, since Linux programs
    // rarely carry an extension.
    static QString programFilter(const QString& description);

    // The longest command line a row starts (the most a Windows command
    // line holds); a longer one is refused whole, never cut.
    static constexpr int longestCommandLine = 32767;

    static constexpr int rowCount = 5;
    // Row r (1..rowCount) is path box Text<r>, browse button Command<2r-1>
    // and run button Command<2r>; the button that runs every row comes
    // after all of them.
    static QString pathBoxName(int row) { return QStringLiteral("Text%1").arg(row); }
    static QString browseButtonName(int row) { return QStringLiteral("Command%1").arg(2 * row - 1); }
    static QString runButtonName(int row) { return QStringLiteral("Command%1").arg(2 * row); }
    static QString runAllButtonName() { return QStringLiteral("Command%1").arg(2 * rowCount + 1); }

private:
    struct Row {
        QLineEdit* path;
        QPushButton* browse;
        QPushButton* run;
    };

    void Form_Load();
    // The browse and run buttons of row r (Command1_Click, Command2_Click, ...).
    void browse_Click(int row);
    void run_Click(int row);
    // The run-all button.
    void Command11_Click();

    // Throws, naming the box, when its line is longer than longestCommandLine.
    static void refuseOverlong(const QLineEdit* pathBox);

    AppContext& context_;
    platform::CommonDialog CommonDialog1;

    std::array<Row, rowCount> rows_;
    QPushButton* Command11;
};
