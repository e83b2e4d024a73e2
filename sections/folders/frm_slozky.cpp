#include "sections/folders/frm_slozky.h"

#include <cstring>

#include "platform/failure.h"
#include "platform/services/guard.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/ostatni_api.h"
#include "startup/controls.h"

namespace {

// The system calls fill a buffer of this many characters.
constexpr int folderBufferSize = 255;

QLineEdit* makePathBox(QWidget* parent, const QString& name, const QRect& geometry)
{
    return placed(new QLineEdit(parent), name, geometry);
}

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

frm_slozky::frm_slozky(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), CommonDialog1(context.services.fileDialogs)
{
    setObjectName(QStringLiteral("frm_slozky"));
    setWindowTitle(QStringLiteral("Quelmarn Manager - Soubory a složky"));
    setFixedSize(493, 457);

    Frame1 = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Sytémové složky"), {8, 8, 473, 81});
    Label1 = makeLabel(Frame1, QStringLiteral("Label1"), QStringLiteral("Složka Windows"), {8, 24, 457, 17});
    Label2 = makeLabel(Frame1, QStringLiteral("Label2"), QStringLiteral("Složka TEMP"), {8, 40, 457, 17});
    Label3 = makeLabel(Frame1, QStringLiteral("Label3"), QStringLiteral("Systémová složka Windows"), {8, 56, 457, 17});
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Spustit!"), {8, 96, 473, 17});

    Frame2 = makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("Kopírování"), {8, 120, 473, 105});
    Label4 = makeLabel(Frame2, QStringLiteral("Label4"), QStringLiteral("Zdroj:"), {8, 16, 49, 17});
    Text1 = makePathBox(Frame2, QStringLiteral("Text1"), {40, 16, 409, 19});
    Command5 = makeButton(Frame2, QStringLiteral("Command5"), QStringLiteral("..."), {448, 16, 17, 17});
    Label5 = makeLabel(Frame2, QStringLiteral("Label5"), QStringLiteral("Cíl:"), {8, 48, 33, 17});
    Text2 = makePathBox(Frame2, QStringLiteral("Text2"), {40, 48, 409, 19});
    Command6 = makeButton(Frame2, QStringLiteral("Command6"), QStringLiteral("..."), {448, 48, 17, 17});
    Command2 = makeButton(Frame2, QStringLiteral("Command2"), QStringLiteral("Akce"), {184, 72, 73, 25});

    Frame3 = makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("Přesouvání"), {8, 232, 473, 105});
    Label6 = makeLabel(Frame3, QStringLiteral("Label6"), QStringLiteral("Zdroj:"), {8, 16, 49, 17});
    Text3 = makePathBox(Frame3, QStringLiteral("Text3"), {40, 16, 409, 19});
    Command7 = makeButton(Frame3, QStringLiteral("Command7"), QStringLiteral("..."), {448, 16, 17, 17});
    Label7 = makeLabel(Frame3, QStringLiteral("Label7"), QStringLiteral("Cíl:"), {8, 48, 33, 17});
    Text4 = makePathBox(Frame3, QStringLiteral("Text4"), {40, 48, 409, 19});
    Command8 = makeButton(Frame3, QStringLiteral("Command8"), QStringLiteral("..."), {448, 48, 17, 17});
    Command3 = makeButton(Frame3, QStringLiteral("Command3"), QStringLiteral("Akce"), {184, 72, 73, 25});

    Frame4 = makeFrame(this, QStringLiteral("Frame4"), QStringLiteral("Mazání"), {8, 344, 473, 105});
    Label8 = makeLabel(Frame4, QStringLiteral("Label8"), QStringLiteral("Zdroj:"), {8, 24, 49, 17});
    Text5 = makePathBox(Frame4, QStringLiteral("Text5"), {40, 24, 409, 19});
    Command9 = makeButton(Frame4, QStringLiteral("Command9"), QStringLiteral("..."), {448, 24, 17, 17});
    Command4 = makeButton(Frame4, QStringLiteral("Command4"), QStringLiteral("Akce"), {184, 72, 73, 25});

    // The source and destination labels overlap their path boxes; the boxes
    // stay on top so that they can be clicked everywhere.
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5}) box->raise();
    for (QPushButton* browseButton : {Command5, Command6, Command7, Command8, Command9}) browseButton->raise();

    auto& messages = context_.services.messages;
    platform::connectGuarded(Command1, &QPushButton::clicked, this, messages, [this] { Command1_Click(); });
    platform::connectGuarded(Command2, &QPushButton::clicked, this, messages, [this] { Command2_Click(); });
    platform::connectGuarded(Command3, &QPushButton::clicked, this, messages, [this] { Command3_Click(); });
    platform::connectGuarded(Command4, &QPushButton::clicked, this, messages, [this] { Command4_Click(); });
    platform::connectGuarded(Command5, &QPushButton::clicked, this, messages, [this] { Command5_Click(); });
    platform::connectGuarded(Command6, &QPushButton::clicked, this, messages, [this] { Command6_Click(); });
    platform::connectGuarded(Command7, &QPushButton::clicked, this, messages, [this] { Command7_Click(); });
    platform::connectGuarded(Command8, &QPushButton::clicked, this, messages, [this] { Command8_Click(); });
    platform::connectGuarded(Command9, &QPushButton::clicked, this, messages, [this] { Command9_Click(); });

    Form_Load();
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
    Label1->setText(context_.T(70) + queryFolder([](char* b, unsigned n) { api::GetWindowsDirectoryA(b, n); }));
    Label2->setText(context_.T(71) + queryFolder([](char* b, unsigned n) { api::GetTempPathA(n, b); }));
    Label3->setText(context_.T(72) + queryFolder([](char* b, unsigned n) { api::GetSystemDirectoryA(b, n); }));
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
    platform::file_operations::copyFile(pathText(Text1), pathText(Text2));
    context_.services.messages.show(context_.T(130), platform::PlainOk);
}

void frm_slozky::Command3_Click()
{
    platform::file_operations::moveFile(pathText(Text3), pathText(Text4));
    context_.services.messages.show(context_.T(131), platform::PlainOk);
}

void frm_slozky::Command4_Click()
{
    platform::file_operations::deleteFile(pathText(Text5), true);
    context_.services.messages.show(context_.T(132), platform::PlainOk);
}

void frm_slozky::Command5_Click() { browse(Text1, false); }
void frm_slozky::Command6_Click() { browse(Text2, true); }
void frm_slozky::Command7_Click() { browse(Text3, false); }
void frm_slozky::Command8_Click() { browse(Text4, true); }
void frm_slozky::Command9_Click() { browse(Text5, false); }

void frm_slozky::browse(QLineEdit* pathBox, bool saveForm)
{
    CommonDialog1.CancelError = true;
    // A cancelled or failed dialog ends the browse silently and leaves the
    // path box as it was.
    try {
        CommonDialog1.Filter = QStringLiteral("Všechny typy souborů|*.*");
        if (saveForm)
            CommonDialog1.ShowSave();
        else
            CommonDialog1.ShowOpen();
        pathBox->setText(CommonDialog1.FileName);
    } catch (const std::exception&) {
    }
}
