#include "DatabaseFormUnit.h"

#include "ApplicationUnit.h"
#include "ConfigFileUnit.h"
#include "ConnectionUnit.h"
#include "ErrorUnit.h"
#include "PromptUnit.h"
#include "ValueConversionUnit.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString SettingsSection = QStringLiteral("SETTINGS");
const QString LastUsedKey = QStringLiteral("LASTUSEDDB");

// An empty folder setting means the folder of that name beside the program.
QString FolderOrFallBack(const QString& key, const QString& fallBack)
{
    if (ReadIniString(GetIniFileName(), SettingsSection, key).isEmpty())
        return GetProgramPath() + fallBack + PathSeparator;
    return GetFolderSetting(key);
}

QString CreatedFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw EError(folder + QStringLiteral(" could not be created!"));
    return folder;
}

} // namespace

QString NewDatabaseFileName(const QString& typedName)
{
    const qsizetype dot = typedName.lastIndexOf(u'.');
    return (dot < 0 ? typedName : typedName.left(dot)) + QStringLiteral(".db");
}

QString DatabaseFolder()
{
    return FolderOrFallBack(QStringLiteral("DATABASEPATH"), QStringLiteral("DB"));
}

QString TemplateFolder()
{
    return FolderOrFallBack(QStringLiteral("TEMPLATEPATH"), QStringLiteral("Template"));
}

TDatabaseForm::TDatabaseForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("DatabaseForm"));
    setWindowTitle(QStringLiteral("Öppna databas"));
    setFont(ProgramFont());

    Label1 = new QLabel(QStringLiteral("Välj databas:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cbDatabase = new QComboBox(this);
    cbDatabase->setObjectName(QStringLiteral("cbDatabase"));
    cbDatabase->setMinimumWidth(220);
    Label1->setBuddy(cbDatabase);
    NewDB = new QPushButton(QStringLiteral("Ny databas..."), this);
    NewDB->setObjectName(QStringLiteral("NewDB"));
    Open = new QPushButton(QStringLiteral("Anslut"), this);
    Open->setObjectName(QStringLiteral("Open"));
    Open->setDefault(true);
    Exit = new QPushButton(QStringLiteral("Avsluta"), this);
    Exit->setObjectName(QStringLiteral("Exit"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewDB);
    buttons->addStretch();
    buttons->addWidget(Open);
    buttons->addWidget(Exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(cbDatabase);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(cbDatabase, Open);
    setTabOrder(Open, Exit);
    setTabOrder(Exit, NewDB);

    connect(cbDatabase, &QComboBox::currentIndexChanged, this, &TDatabaseForm::UpdateOpenEnabled);
    connect(Open, &QPushButton::clicked, this, [this] { RunGuarded([this] { OpenClick(); }); });
    connect(NewDB, &QPushButton::clicked, this, [this] { RunGuarded([this] { NewDBClick(); }); });
    connect(Exit, &QPushButton::clicked, this, &QDialog::reject);

    BuildList();
    SelectLastUsed();
    cbDatabase->setFocus();
}

void TDatabaseForm::BuildList()
{
    m_databases.clear();
    cbDatabase->clear();
    m_databases = ListDatabases(CreatedFolder(DatabaseFolder()));
    for (const TDatabaseRecord& database : m_databases)
        cbDatabase->addItem(database.DisplayName());
}

void TDatabaseForm::SelectLastUsed()
{
    const QString lastUsed = ReadIniString(GetIniFileName(), SettingsSection, LastUsedKey);
    int selected = lastUsed.isEmpty() && !m_databases.isEmpty() ? 0 : -1;
    for (int i = 0; i < m_databases.size() && !lastUsed.isEmpty(); ++i) {
        if (m_databases[i].DisplayName().compare(lastUsed, Qt::CaseInsensitive) == 0) {
            selected = i;
            break;
        }
    }
    cbDatabase->setCurrentIndex(selected);
    UpdateOpenEnabled();
}

void TDatabaseForm::UpdateOpenEnabled()
{
    Open->setEnabled(cbDatabase->currentIndex() >= 0);
}

void TDatabaseForm::OpenClick()
{
    const int selected = cbDatabase->currentIndex();
    if (selected < 0) {
        ShowWarning(QStringLiteral("Du måste välja en databas!"));
        return;
    }
    const TDatabaseRecord& database = m_databases[selected];
    try {
        Connect(database.Folder, database.FileName, database.DatabaseType);
    } catch (const EError& error) {
        ShowError(QStringLiteral("Följande fel uppstod när databasen skulle öppnas: ") + error.Message()
                  + QStringLiteral("\r\nKontrollera databasinställningar i ini-filen."));
        // A failed connect ends the program: the caller sees the dialog refused.
        reject();
        return;
    }
    WriteIniString(GetIniFileName(), SettingsSection, LastUsedKey, database.DisplayName());
    accept();
}

void TDatabaseForm::NewDBClick()
{
    QString name;
    if (!Prompt().InputQuery(QStringLiteral("Ny databas"), QStringLiteral("Skriv i namnet på din nya databas."), name)
        || name.isEmpty())
        return;
    // The name is a file name in the database folder, never a way out of it.
    if (name.contains(u'/') || name.contains(u'\\')) {
        ShowError(QStringLiteral("Namnet får inte innehålla \"/\" eller \"\\\"."));
        return;
    }
    const QString templateFolder = CreatedFolder(TemplateFolder());
    const QString databaseFolder = CreatedFolder(DatabaseFolder());
    const QString templateFile = templateFolder + QStringLiteral("qvb.db");
    if (!QFileInfo::exists(templateFile)) {
        ShowError(QStringLiteral("Databasmallen saknas, kan inte skapa databas!\r\nKontrollera TEMPLATEPATH i ini-filen."));
        return;
    }
    const QString target = databaseFolder + NewDatabaseFileName(name);
    if (QFileInfo::exists(target)) {
        ShowInformation(QStringLiteral("Finns redan en databas med namnet ") + name);
        return;
    }
    CopyFile(templateFile, target);
    BuildList();
    SelectLastUsed();
}
