#include "sections/notes/frm_poznamky.h"

#include <QByteArrayView>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

#include "platform/failure.h"
#include "platform/services/guard.h"
#include "platform/sys/codepage.h"
#include "platform/sys/file_operations.h"
#include "ui/controls.h"

namespace {

const std::string utf8Mark = "\xEF\xBB\xBF";

} // namespace

frm_poznamky::frm_poznamky(AppContext& context) : context_(context), CommonDialog1(context.services.fileDialogs)
{
    setObjectName(QStringLiteral("frm_poznamky"));
    setWindowTitle(QStringLiteral("Quelmarn Manager - Poznámky"));
    fixWindowSize(this, 456, 366);

    Text1 = placed(new QPlainTextEdit(this), QStringLiteral("Text1"), {0, 0, 457, 329});
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Uložit"), {160, 336, 57, 25});
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("Otevřít"), {216, 336, 57, 25});
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Storno"), {392, 336, 57, 25});

    auto& messages = context_.services.messages;
    connectClicks(this, messages,
                  {{Command1, &frm_poznamky::Command1_Click}, {Command2, &frm_poznamky::Command2_Click}});
    // An open that fails ends silently and leaves the note as it was.
    connectClicks(this, messages, {{Command3, &frm_poznamky::Command3_Click}}, platform::OnFailure::EndSilently);

    loadGuarded(this, context_.services.messages, &frm_poznamky::Form_Load);
}

QString frm_poznamky::toFileText(const QString& note)
{
    QString text;
    text.reserve(note.size() + note.size() / 16);
    for (const QChar c : note) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == QChar::ParagraphSeparator || u == QChar::LineSeparator)
            text += QLatin1String("\r\n");
        else
            text += c;
    }
    return text;
}

std::string frm_poznamky::toNoteText(const std::string& fileText)
{
    std::string text;
    text.reserve(fileText.size());
    const size_t n = fileText.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = fileText[i];
        if (c == '\r') {
            text += '\n';
            if (i + 1 < n && fileText[i + 1] == '\n') ++i;
        } else {
            text += c;
        }
    }
    return text;
}

QString frm_poznamky::decodeFileText(const std::string& fileText) const
{
    const int codePage = context_.config.codePage;
    const std::vector<char16_t>& table = platform::codepage::byteTable(codePage);
    if (table.empty()) return QString::fromStdString(toNoteText(platform::codepage::toUtf8(fileText, codePage)));

    // One pass: each byte through the table, line breaks made '\n' on the way.
    QString text(qsizetype(fileText.size()), Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    context_.system.file_operations.adviseWholeFileBuffer(begin, fileText.size() * sizeof(char16_t));
    char16_t* out = begin;
    const auto* in = reinterpret_cast<const unsigned char*>(fileText.data());
    const size_t n = fileText.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = in[i];
        if (c == '\r') {
            *out++ = u'\n';
            if (i + 1 < n && in[i + 1] == '\n') ++i;
        } else {
            *out++ = table[c];
        }
    }
    text.truncate(qsizetype(out - begin));
    return text;
}

frm_poznamky::FileEncoding frm_poznamky::encodingOf(const std::string& fileBytes)
{
    if (fileBytes.compare(0, utf8Mark.size(), utf8Mark) == 0) return FileEncoding::Utf8WithMark;
    const bool multiByte =
        std::any_of(fileBytes.begin(), fileBytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return multiByte && QByteArrayView(fileBytes.data(), qsizetype(fileBytes.size())).isValidUtf8()
        ? FileEncoding::Utf8
        : FileEncoding::Ansi;
}

platform::codepage::Encoded frm_poznamky::encoded(const QString& fileText) const
{
    switch (encoding_) {
    case FileEncoding::Utf8WithMark: return {utf8Mark + fileText.toStdString(), {}};
    case FileEncoding::Utf8: return {fileText.toStdString(), {}};
    case FileEncoding::Ansi: break;
    }
    return platform::codepage::fromUtf8(fileText.toStdString(), context_.config.codePage);
}

void frm_poznamky::Form_Load()
{
    setWindowTitle(QStringLiteral("Quelmarn Manager - ") + context_.T(100));
    Command1->setText(context_.T(96));
    Command3->setText(context_.T(97));
    Command2->setText(context_.T(98));
}

void frm_poznamky::Command1_Click()
{
    CommonDialog1.DefaultExt = QStringLiteral("TXT");
    CommonDialog1.Filter = QStringLiteral("Textové soubory TXT (*.TXT)|*.TXT");
    // A cancel never writes: a FileName left from an earlier use does not
    // count.
    const std::optional<QString> chosen = CommonDialog1.ShowSave();
    if (!chosen || chosen->isEmpty()) return;

    // The raw text keeps no-break spaces; blocks are joined by U+2029.
    const QString note = Text1->document()->toRawText() + QLatin1Char('\n');
    const int codePage = context_.config.codePage;
    const platform::codepage::Encoded encoded = this->encoded(toFileText(note));
    if (!encoded.unstorable.empty()) {
        // Saving would turn them into '?': the user decides what to do instead.
        QStringList characters;
        for (const std::string& character : encoded.unstorable) {
            const QString shown = QString::fromStdString(character);
            if (!characters.contains(shown)) characters << shown;
        }
        context_.services.messages.show(
            tr("The note was not saved to \"%1\": code page %2 of this system cannot store "
               "these characters: %3")
                .arg(CommonDialog1.FileName, QString::number(codePage), characters.join(QStringLiteral(" "))),
            platform::WarningOk);
        return;
    }
    context_.system.file_operations.replaceFile(CommonDialog1.FileName.toStdString(), encoded.bytes);
}

void frm_poznamky::Command3_Click()
{
    CommonDialog1.Filter = context_.T(99) + QStringLiteral("|*.txt");
    const std::optional<QString> chosen = CommonDialog1.ShowOpen();
    if (!chosen) return;
    const std::string bytes = context_.system.file_operations.readOrCreate(chosen->toStdString());
    const FileEncoding encoding = encodingOf(bytes);
    const QString text = encoding == FileEncoding::Ansi
        ? decodeFileText(bytes)
        : QString::fromStdString(
            toNoteText(encoding == FileEncoding::Utf8WithMark ? bytes.substr(utf8Mark.size()) : bytes));
    // Straight into the document, as the box's own setPlainText does but
    // without its second pass that gives every character the format it
    // already has. Replacing the text empties the undo history anyway;
    // recording the insertion of a large file for undo would only cost
    // time. Then the box as after any replaced text: unmodified, the
    // cursor at the start, scrolled to the top.
    QTextDocument* document = Text1->document();
    document->setUndoRedoEnabled(false);
    document->setPlainText(text);
    document->setUndoRedoEnabled(true);
    document->setModified(false);
    Text1->moveCursor(QTextCursor::Start);
    encoding_ = encoding;
}

void frm_poznamky::Command2_Click() { close(); }
