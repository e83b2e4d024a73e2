#include "sections/notes/frm_poznamky.h"

#include <QByteArrayView>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <vector>

#include "platform/failure.h"
#include "platform/services/guard.h"
#include "platform/sys/codepage.h"
#include "platform/sys/file_operations.h"
#include "ui/controls.h"

namespace {

// The UTF-16 unit of every byte of a single-byte code page, taken from the
// platform conversion once per code page. Empty when the code page is not
// one a byte-by-byte table can stand for: a double-byte page, or a decoder
// whose result for a byte depends on its neighbour (checked on every pair
// of bytes), or one whose CR and LF are not plain CR and LF.
const std::vector<char16_t>& byteTable(int codePage)
{
    static std::map<int, std::vector<char16_t>> tables;
    if (const auto found = tables.find(codePage); found != tables.end()) return found->second;

    std::vector<char16_t> table(256);
    bool usable = true;
    for (int byte = 0; byte < 256 && usable; ++byte) {
        const QString one =
            QString::fromStdString(platform::codepage::toUtf8(std::string(1, char(byte)), codePage));
        usable = one.size() == 1;
        if (usable) table[size_t(byte)] = one.at(0).unicode();
    }
    usable = usable && table['\r'] == u'\r' && table['\n'] == u'\n';
    if (usable) {
        std::string pairs;
        pairs.reserve(2 * 256 * 256);
        for (int first = 0; first < 256; ++first)
            for (int second = 0; second < 256; ++second) {
                pairs += char(first);
                pairs += char(second);
            }
        const QString decoded = QString::fromStdString(platform::codepage::toUtf8(pairs, codePage));
        usable = decoded.size() == qsizetype(pairs.size());
        for (size_t i = 0; usable && i < pairs.size(); ++i)
            usable = decoded.at(qsizetype(i)).unicode() == table[static_cast<unsigned char>(pairs[i])];
    }
    if (!usable) table.clear();
    return tables.emplace(codePage, std::move(table)).first->second;
}

const std::string utf8Mark = "\xEF\xBB\xBF";

} // namespace

frm_poznamky::frm_poznamky(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), CommonDialog1(context.services.fileDialogs)
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
                  {{Command1, &frm_poznamky::Command1_Click}, {Command2, &frm_poznamky::Command2_Click},
                   {Command3, &frm_poznamky::Command3_Click}});

    Form_Load();
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

QString frm_poznamky::decodeFileText(const std::string& fileText, int codePage)
{
    const std::vector<char16_t>& table = byteTable(codePage);
    if (table.empty()) return QString::fromStdString(toNoteText(platform::codepage::toUtf8(fileText, codePage)));

    // One pass: each byte through the table, line breaks made '\n' on the way.
    QString text(qsizetype(fileText.size()), Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    platform::file_operations::adviseWholeFileBuffer(begin, fileText.size() * sizeof(char16_t));
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
    // A cancel never writes: with CancelError set it throws, without it the
    // dialog says so; a FileName left from an earlier use does not count.
    bool confirmed = false;
    try {
        confirmed = CommonDialog1.ShowSave();
    } catch (const platform::DialogCancelled&) {
        return;
    }
    if (!confirmed || CommonDialog1.FileName.isEmpty()) return;

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
    CommonDialog1.CancelError = true;
    // Every failure from here on, the cancelled dialog included, ends the
    // open silently and leaves the note as it was.
    try {
        CommonDialog1.Filter = context_.T(99) + QStringLiteral("|*.txt");
        CommonDialog1.ShowOpen();
        const std::string bytes =
            context_.system.file_operations.readOrCreate(CommonDialog1.FileName.toStdString());
        const FileEncoding encoding = encodingOf(bytes);
        const QString text = encoding == FileEncoding::Ansi
            ? decodeFileText(bytes, context_.config.codePage)
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
    } catch (const std::exception&) {
    }
}

void frm_poznamky::Command2_Click()
{
    close();
}
