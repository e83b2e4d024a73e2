#include "sections/folders/frm_slozky.h"

#include <cstring>

#include "platform/failure.h"
#include "platform/services/guard.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/ostatni_api.h"
#include "ui/controls.h"

namespace {

// The system calls fill a buffer of this many characters.
constexpr int folderBufferSize = 255;

// A fresh folder buffer, all code-0 characters, filled by one query.
template <typename Query>
QString queryFolder(Query query)
{
    char buffer[folderBufferSize];
    std::memset(buffer, 0, sizeof buffer);
    query(buffer, unsigned(folderBufferSize));
    return frm_slozky::cutAtNul(buffer, folderBufferSize);
}

std::string pathText(const QLineEdit* box) { return box->text().toStdString(); }

} // namespace

frm_slozky::frm_slozky(AppContext& context) : context_(context), CommonDialog1(context.services.fileDialogs)
{
    setObjectName(QStringLiteral("frm_slozky"));
    setWindowTitle(QStringLiteral("Quelmarn Manager - Soubory a složky"));
    fixWindowSize(this, 493, 457);

    Frame1 = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Sytémové složky"), {8, 8, 473, 81});
    Label1 = makeLabel(Frame1, QStringLiteral("Label1"), QStringLiteral("Složka Windows"), {8, 24, 457, 17});
    Label2 = makeLabel(Frame1, QStringLiteral("Label2"), QStringLiteral("Složka TEMP"), {8, 40, 457, 17});
    Label3 = makeLabel(Frame1, QStringLiteral("Label3"), QStringLiteral("Systémová složka Windows"), {8, 56, 457, 17});
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Spustit!"), {8, 96, 473, 17});

    // The three forms (copy, move, delete): a frame, its path rows (label
    // Label<n>, box Text<n>, browse button), then its action button.
    struct PathRow {
        QLabel*& label;
        int labelNumber;
        const char* caption;
        int labelWidth;
        QLineEdit*& box;
        int boxNumber;
        QPushButton*& browse;
        int browseNumber;
        int top;
    };
    const auto makeForm = [this](QGroupBox*& frame, int frameNumber, const char* title, int top,
                                 std::initializer_list<PathRow> rows, QPushButton*& action, int actionNumber) {
        frame =
            makeFrame(this, QStringLiteral("Frame%1").arg(frameNumber), QString::fromUtf8(title), {8, top, 473, 105});
        for (const PathRow& row : rows) {
            row.label = makeLabel(frame, QStringLiteral("Label%1").arg(row.labelNumber), QString::fromUtf8(row.caption),
                                  {8, row.top, row.labelWidth, 17});
            row.box = makeTextBox(frame, QStringLiteral("Text%1").arg(row.boxNumber), {40, row.top, 409, 19});
            row.browse = makeButton(frame, QStringLiteral("Command%1").arg(row.browseNumber), QStringLiteral("..."),
                                    {448, row.top, 17, 17});
        }
        action =
            makeButton(frame, QStringLiteral("Command%1").arg(actionNumber), QStringLiteral("Akce"), {184, 72, 73, 25});
    };
    makeForm(Frame2, 2, "Kopírování", 120,
             {{Label4, 4, "Zdroj:", 49, Text1, 1, Command5, 5, 16}, {Label5, 5, "Cíl:", 33, Text2, 2, Command6, 6, 48}},
             Command2, 2);
    makeForm(Frame3, 3, "Přesouvání", 232,
             {{Label6, 6, "Zdroj:", 49, Text3, 3, Command7, 7, 16}, {Label7, 7, "Cíl:", 33, Text4, 4, Command8, 8, 48}},
             Command3, 3);
    makeForm(Frame4, 4, "Mazání", 344, {{Label8, 8, "Zdroj:", 49, Text5, 5, Command9, 9, 24}}, Command4, 4);

    // The source and destination labels overlap their path boxes; the boxes
    // stay on top so that they can be clicked everywhere.
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5}) box->raise();
    for (QPushButton* browseButton : {Command5, Command6, Command7, Command8, Command9}) browseButton->raise();

    auto& messages = context_.services.messages;
    connectClicks(this, messages,
                  {{Command1, &frm_slozky::Command1_Click},
                   {Command2, &frm_slozky::Command2_Click},
                   {Command3, &frm_slozky::Command3_Click},
                   {Command4, &frm_slozky::Command4_Click}});
    // A browse that fails ends silently and leaves the path box as it was.
    connectClicks(this, messages,
                  {{Command5, &frm_slozky::Command5_Click},
                   {Command6, &frm_slozky::Command6_Click},
                   {Command7, &frm_slozky::Command7_Click},
                   {Command8, &frm_slozky::Command8_Click},
                   {Command9, &frm_slozky::Command9_Click}},
                  platform::OnFailure::EndSilently);

    loadGuarded(this, context_.services.messages, &frm_slozky::Form_Load);
}

QString frm_slozky::cutAtNul(const char* buffer, int size)
{
    const void* nul = std::memchr(buffer, 0, size_t(size));
    const int length = nul ? int(static_cast<const char*>(nul) - buffer) : size;
    return QString::fromUtf8(buffer, length);
}

void frm_slozky::Form_Load()
{
    namespace api = platform::ostatni_API;
    const Configuration& config = context_.config;
    Label1->setText(context_.T(70)
                    + queryFolder([&](char* b, unsigned n) { api::fillBuffer(config.windowsDirectory, b, n); }));
    Label2->setText(context_.T(71)
                    + queryFolder([&](char* b, unsigned n) { api::fillBuffer(config.tempFolder, b, n); }));
    Label3->setText(context_.T(72)
                    + queryFolder([&](char* b, unsigned n) { api::fillBuffer(config.systemDirectory, b, n); }));
    setWindowTitle(QStringLiteral("Quelmarn Manager - ") + context_.T(68));
    Frame1->setTitle(context_.T(69));
    Command1->setText(context_.T(73));
    Frame2->setTitle(context_.T(74));
    Label4->setText(context_.T(75));
    Label5->setText(context_.T(76));
    Label6->setText(context_.T(75));
    Label7->setText(context_.T(76));
    Label8->setText(context_.T(75));
    Command2->setText(context_.T(77));
    Command3->setText(context_.T(77));
    Command4->setText(context_.T(77));
    Frame3->setTitle(context_.T(78));
    Frame4->setTitle(context_.T(79));
}

void frm_slozky::Command1_Click()
{
    // A command that cannot start throws; the handler guard reports it.
    context_.services.runPrompt.run(this);
}

void frm_slozky::Command2_Click()
{
    context_.system.file_operations.copyFile(pathText(Text1), pathText(Text2));
    context_.services.messages.show(context_.T(130), platform::PlainOk);
}

void frm_slozky::Command3_Click()
{
    context_.system.file_operations.moveFile(pathText(Text3), pathText(Text4));
    context_.services.messages.show(context_.T(131), platform::PlainOk);
}

void frm_slozky::Command4_Click()
{
    context_.system.file_operations.deleteFile(pathText(Text5), true);
    context_.services.messages.show(context_.T(132), platform::PlainOk);
}

void frm_slozky::Command5_Click() { browse(Text1, false); }
void frm_slozky::Command6_Click() { browse(Text2, true); }
void frm_slozky::Command7_Click() { browse(Text3, false); }
void frm_slozky::Command8_Click() { browse(Text4, true); }
void frm_slozky::Command9_Click() { browse(Text5, false); }

void frm_slozky::browse(QLineEdit* pathBox, bool saveForm)
{
    CommonDialog1.Filter = QStringLiteral("Všechny typy souborů|*.*");
    if (const std::optional<QString> chosen = saveForm ? CommonDialog1.ShowSave() : CommonDialog1.ShowOpen())
        pathBox->setText(*chosen);
}
