#include "sections/settings/frm_nastav.h"

#include <QFile>
#include <algorithm>

#include "platform/failure.h"
#include "platform/services/guard.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/ostatni_api.h"
#include "platform/sys/profile.h"
#include "ui/controls.h"
#include "ui/fit_text.h"

namespace {

QLabel* makeHelpLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    QLabel* label = makeLabel(parent, QLatin1String(name), text, geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frm_nastav::frm_nastav(AppContext& context) : context_(context)
{
    setObjectName(QStringLiteral("frm_nastav"));
    setWindowTitle(QStringLiteral("Nastavení programu Quelmarn Manager"));
    fixWindowSize(this, 480, 476);

    Frame2 = new QGroupBox(QStringLiteral("Jazyk programu"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(0, 0, 473, 473);

    Label6 = makeHelpLabel(Frame2, "Label6", QStringLiteral("Zvolte si jazyk:"), {8, 16, 113, 17});
    File2 = new QListWidget(Frame2);
    File2->setObjectName(QStringLiteral("File2"));
    File2->setSelectionMode(QAbstractItemView::SingleSelection);
    File2->setGeometry(8, 32, 257, 123);

    Label7 =
        makeHelpLabel(Frame2, "Label7", QStringLiteral("Kde seženu nové lokalizace do Quelmarne?"), {264, 8, 169, 33});
    Label8 = makeHelpLabel(Frame2, "Label8",
                           QStringLiteral("Z pravidla je lze nalézt na našem oficiální webu ")
                               + context_.config.homeSite + QStringLiteral(" . "),
                           {264, 40, 185, 41});
    Label9 = makeHelpLabel(Frame2, "Label9",
                           QStringLiteral("Nenašel jsem na internetu překlad, který jsem potřeboval! Co s tím?"),
                           {8, 176, 265, 33});
    Label10 = makeHelpLabel(
        Frame2, "Label10",
        QStringLiteral("Snažíme se Quelmarne překládat do jazyků, kterými se ve světě běžně domluvíte. Ovšem naším "
                       "zájmem je samozřejmě i to, aby byl program i v jazycích méně ve světě použivaných (tj. "
                       "Čeština, Slovenština atd.). Pokud-li jste na internetu nenašli jazyk, který hledáte, zkuste "
                       "napsat žádost o překlad Quelmarn Teamu."),
        {8, 208, 257, 81});
    Label11 = makeHelpLabel(Frame2, "Label11", QStringLiteral("Chci udělat vlastní překlad programu, jak na to?"),
                            {8, 288, 257, 33});
    Label12 = makeHelpLabel(
        Frame2, "Label12",
        QStringLiteral("Překlady do Quelmarn Manageru se vytvářejí za pomoci speciálního editoru Quelmarn "
                       "LanguageEditor. Tento editor není na internetu volně k dispozici (chceme tím zamezit tvorbě "
                       "neoficiálních překladů s nulovou kvalitou). Pokud-li ovšem vládnete jazykem, v němž náš "
                       "program není ještě přeložen, můžete se zeptat Quelmarn Teamu zda-li by jste tento překlad "
                       "nemohly vyrobit. Váš nápad řádně projednáme a v případě našeho souhlasu vám ZAPŮJČÍME "
                       "Quelmarn LanguageEditor."),
        {8, 320, 257, 137});

    // The question labels are bold; their fonts are set with their texts.

    // In front of the frame's free right-hand part.
    Command3 = new QPushButton(QStringLiteral("Ok"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(280, 256, 185, 33);

    fillFileList();

    auto& messages = context_.services.messages;
    // Selection, not the current row: the list makes its first row current
    // (without selecting it) when it gains focus, and that must not write.
    platform::connectGuarded(File2, &QListWidget::itemSelectionChanged, this, messages, [this] {
        if (!File2->selectedItems().isEmpty()) File2_Click();
    });
    platform::connectGuarded(Command3, &QPushButton::clicked, this, messages, [this] { Command3_Click(); });

    loadGuarded(this, context_.services.messages, &frm_nastav::Form_Load);
}

const QString& frm_nastav::noticeText()
{
    static const QString text = QStringLiteral(
        "Změny se projeví až po restartu programu. / Changes will be applying after restart application.");
    return text;
}

const QString& frm_nastav::noticeTitle()
{
    static const QString title = QStringLiteral("Informace/Information");
    return title;
}

bool frm_nastav::isStorableName(const QString& fileName)
{
    if (fileName.isEmpty() || fileName.toUcs4().size() > maxLanguageNameLength) return false;
    for (const QChar c : fileName)
        if (c.category() == QChar::Other_Control) return false;
    const std::string bytes = QFile::encodeName(fileName).toStdString();
    const std::string ini = platform::profile::withValue(std::string(), "OPTIONS", "lokalizace", bytes);
    return platform::profile::findValue(ini, "OPTIONS", "lokalizace") == bytes;
}

QStringList frm_nastav::languageFiles(const std::string& folder) const
{
    // Matched as the Windows file list matches its pattern: without regard
    // to case. Hidden files stay hidden.
    QStringList names;
    for (const std::string& name : context_.system.ostatni_API.filesMatching(folder, "*.qlk")) {
        const QString shown = QFile::decodeName(QByteArray::fromStdString(name));
        if (isStorableName(shown)) names << shown;
    }
    return names;
}

QStringList frm_nastav::offeredFiles() const
{
    // No folder of its own: the folder the program was started in, with
    // the folders start-up searches.
    QStringList names = languageFiles(QFile::encodeName(context_.config.workingFolder).toStdString());
    for (const std::string& folder : context_.config.languageFolders.searchOrder()) names << languageFiles(folder);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

void frm_nastav::makeFindable(const QString& name)
{
    const platform::ostatni_API::LanguageFolders& folders = context_.config.languageFolders;
    const std::string fileName = QFile::encodeName(name).toStdString();
    if (context_.system.ostatni_API.findFile(folders.searchOrder(), fileName)) return;
    const std::string source = QFile::encodeName(context_.config.workingFolder).toStdString() + "/" + fileName;
    platform::file_operations::Calls& files = context_.system.file_operations;
    files.createFolders(folders.user);
    files.copyFile(source, folders.user + "/" + fileName);
}

void frm_nastav::fillFileList() { File2->addItems(offeredFiles()); }

void frm_nastav::Form_Load()
{
    setWindowTitle(context_.T(118));
    Frame2->setTitle(context_.T(119));

    Label9->setText(context_.T(120));
    Label10->setText(context_.T(121));
    Label11->setText(context_.T(122));
    Label12->setText(context_.T(123));
    Label7->setText(context_.T(124));
    Label8->setText(context_.T(125));

    for (QLabel* help : {Label9, Label10, Label11, Label12, Label7, Label8}) help->setToolTip(help->text());

    QFont questionFont = font();
    questionFont.setBold(true);
    for (QLabel* question : {Label7, Label9, Label11}) shrinkToFit(question, questionFont);
    for (QLabel* answer : {Label8, Label10, Label12}) shrinkToFit(answer, font());
}

void frm_nastav::File2_Click()
{
    const QString name = File2->selectedItems().constFirst()->text();
    // A file that cannot be copied, or an options.ini that cannot be
    // written, leaves options.ini as it was: the failure's error box
    // replaces the notice, which would promise a change that never comes.
    makeFindable(name);
    context_.system.profile.writeString(context_.config.optionsPath(), "OPTIONS", "lokalizace",
                                        QFile::encodeName(name).toStdString());
    context_.services.messages.show(noticeText(), platform::InformationOk, noticeTitle());
}

void frm_nastav::Command3_Click() { close(); }
