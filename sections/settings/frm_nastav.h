#pragma once
// frm_nastav: the settings window. It lists the language files of the
// current working directory and of the folders start-up searches;
// selecting one stores its name under [OPTIONS] lokalizace in options.ini
// at once (the same file start-up reads) and tells the user that the change
// needs a restart. A file start-up would not find (one only in the working
// directory) is first copied into the user's language folder, so that a
// choice never leaves the next start without its file. The running program
// keeps the language it started with.

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include "ui/app_context.h"

class frm_nastav final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frm_nastav)

public:
    explicit frm_nastav(AppContext& context);

    // The notice shown after every selection.
    static const QString& noticeText();
    static const QString& noticeTitle();

    // Whether start-up would read this name back unchanged from options.ini:
    // names with control characters (line breaks), surrounding blanks or quotes, or longer than
    // start-up reads, would leave the next start without a language file.
    static bool isStorableName(const QString& fileName);

private:
    // The *.qlk files of folder that can be chosen.
    QStringList languageFiles(const std::string& folder) const;

    // The language files of the working directory and of the folders
    // start-up searches, each name once, sorted by name.
    QStringList offeredFiles() const;

    // Makes sure start-up will find the chosen file: one that no searched
    // folder holds is copied from the working directory into the user's
    // language folder (created when missing) with the files window's
    // all-or-nothing copy. Throws platform::Failure when it cannot.
    void makeFindable(const QString& name);

    void Form_Load();
    void File2_Click();
    void Command3_Click();
    void fillFileList();

    AppContext& context_;

    QGroupBox* Frame2;
    QLabel* Label6;
    QListWidget* File2;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QPushButton* Command3;
};
