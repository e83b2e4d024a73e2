#pragma once
// frm_system: the operating-system window. It shows the system's version,
// how it was started, the mouse facts and the memory figures, and keeps the
// memory figures, the time since the system started and the pointer
// position live while it is open. Facts come from the system calls in
// AppContext::system, the pointer from AppContext::services.pointer.
//
// The buttons hand work to the platform: the settings shortcuts and the
// system-information program start programs through services.programs
// (the program for each role from services.applets), log-off and shut-down
// go to system.off_reset_logout (the program's own shut-down dialog from
// services.shutdownDialog), the pointer buttons move the program-wide
// display count services.pointerDisplay, and the taskbar buttons
// system.taskbar. None of them keeps state in the window.

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>

#include "platform/sys/pamet.h"
#include "sections/system/live_label.h"
#include "sections/system/number_format.h"
#include "ui/app_context.h"

class frm_system final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frm_system)

public:
    explicit frm_system(AppContext& context);

    // How often the two fast monitors look. Every new up-time text costs a
    // repaint, so the up-time changes about 55 times a second, as often as
    // the eye can follow. The pointer is read on the same ticks: a reading
    // is cheap (the pointer is watched, not asked for), and timers of one
    // interval wake the program together even after a late turn of the
    // event loop, where timers of different intervals would drift apart
    // and wake it separately.
    static constexpr int upTimeIntervalMs = 18;
    static constexpr int pointerIntervalMs = upTimeIntervalMs;

    // The monitors' tick handlers; the timers call them, tests may too.
    void Timer1_Timer(); // memory
    void Timer2_Timer(); // up-time
    void Timer3_Timer(); // pointer position

private:
    // Controls, named as their objectName.
    QLabel* Label1;
    QLabel* verze_sys;
    QLabel* Label2;
    QLabel* start_systemu;
    LiveLabel* win_bezi;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    QGroupBox* Frame5;
    QLabel* lbl_existence_mysi; // objectName "lbl_existence_myši"
    QLabel* lbl_tlacitka_mysi;
    QLabel* Label3;
    QLabel* Label4;
    QWidget* Line1;
    QWidget* Line2;
    QLabel* lblPhysUsed;
    QProgressBar* pgbPhysMem;
    QLabel* lblVirtUsed;
    QProgressBar* pgbVirtMem;
    QLabel* lblTotalPhys;
    QLabel* lblAvailPhys;
    QLabel* lblAvailVirtual;
    QLabel* lblTotalPage;
    QLabel* lblAvailPage;
    QLabel* lblTotalVirtual;
    std::array<QPushButton*, 30> Command{}; // Command[1] to Command[29]
    QTimer* Timer1;                         // memory monitor
    QTimer* Timer2;                         // up-time monitor
    QTimer* Timer3;                         // pointer-position monitor

    void Form_Load();

    void Command1_Click();  // system information
    void Command4_Click();  // log off
    void Command5_Click();  // shut-down dialog
    void Command24_Click(); // hide the pointer
    void Command25_Click(); // show the pointer
    void Command26_Click(); // hide the taskbar
    void Command27_Click(); // show the taskbar
    void Command28_Click(); // hide the Start button
    void Command29_Click(); // show the Start button
    // Command2, Command3 and Command6 to Command23: one settings page each.
    void openSettings(platform::SettingsRole role);

    // Where each button sits, its first caption, the table entry of its
    // caption and what a click does: one row per button.
    enum class Holder { Window, Frame1, Frame2, Frame3, Frame5 };
    struct ButtonRow;
    static const std::array<ButtonRow, 29>& buttonRows();
    void placeButtons(Holder holder, QWidget* parent);
    void connectButtons();
    void souradnice_mysi();
    void writeMemoryLabels();

    AppContext& context_;
    number_format::BarScale physScale_;
    number_format::BarScale virtScale_;
};
