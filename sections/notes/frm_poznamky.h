#pragma once
// The notes window: one plain-text note, saved to and opened from a text
// file in the system's ANSI code page with CR LF line breaks; a UTF-8 file
// is opened as UTF-8 and saved back so. The note and the one dialog object
// for save and open live only as long as the window.

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "platform/services/file_dialog.h"
#include "platform/sys/codepage.h"
#include "ui/app_context.h"

class frm_poznamky final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frm_poznamky)

public:
    explicit frm_poznamky(AppContext& context);

    // Text of the box -> file text: every line break becomes CR LF.
    static QString toFileText(const QString& note);
    // File text -> text of the box: CR LF, a lone CR and a lone LF each
    // become one line break.
    static std::string toNoteText(const std::string& fileText);
    // File bytes in the system's code page -> text of the box, line breaks
    // as above.
    QString decodeFileText(const std::string& fileText) const;

    // How a file's text is stored. A file is UTF-8 when it starts with the
    // UTF-8 mark, or when it is valid UTF-8 and holds at least one
    // multi-byte sequence (no ANSI text of any length is likely to be
    // that); every other file is in the ANSI code page.
    enum class FileEncoding { Ansi, Utf8, Utf8WithMark };
    static FileEncoding encodingOf(const std::string& fileBytes);

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // The note's file text in the encoding of the file last opened.
    platform::codepage::Encoded encoded(const QString& fileText) const;

    AppContext& context_;
    platform::CommonDialog CommonDialog1;
    FileEncoding encoding_ = FileEncoding::Ansi;

    QPlainTextEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};
