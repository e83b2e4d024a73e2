#pragma once
// frm_nastav: the settings window. It lists the language files of the
// current working directory; selecting one stores its name under
// [OPTIONS] lokalizace in options.ini at once (the same file start-up
// reads) and tells the user that the change needs a restart. The running
// program keeps the language it started with.

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include "ui/app_context.h"

class frm_nastav : public QWidget {
    Q_OBJECT
public:
    explicit frm_nastav(AppContext& context);

    // The notice shown after every selection.
    static const QString& noticeText();
    static const QString& noticeTitle();

    // Whether start-up would read this name back unchanged from options.ini:
    // names with control characters (line breaks), surrounding blanks or quotes, or longer than
    // start-up reads, would leave the next start without a language file.
    static bool isStorableName(const QString& fileName);

    // The *.qlk files of folder that can be chosen, sorted by name.
    static QStringList languageFiles(const QString& folder);

private:
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
