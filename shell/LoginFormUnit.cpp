#include "LoginFormUnit.h"

#include "ApplicationUnit.h"
#include "ConfigFileUnit.h"
#include "Person_Class.h"
#include "PromptUnit.h"
#include "QueryUnit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString LoginSection = QStringLiteral("LOGIN");

// The padlock shown at the left of the dialog.
QPixmap LockPicture()
{
    QPixmap picture(48, 56);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(110, 110, 120), 5));
    painter.drawArc(QRectF(11, 4, 26, 30), 0, 180 * 16);
    painter.drawLine(QPointF(11, 19), QPointF(11, 26));
    painter.drawLine(QPointF(37, 19), QPointF(37, 26));
    QLinearGradient gold(0, 24, 0, 54);
    gold.setColorAt(0, QColor(250, 210, 90));
    gold.setColorAt(1, QColor(200, 150, 30));
    painter.setPen(QPen(QColor(150, 110, 20), 1.5));
    painter.setBrush(gold);
    painter.drawRoundedRect(QRectF(4, 25, 40, 28), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 60, 10));
    painter.drawEllipse(QPointF(24, 36), 4, 4);
    painter.drawRect(QRectF(22.5, 38, 3, 9));
    return picture;
}

} // namespace

TLoginForm::TLoginForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("LoginForm"));
    setWindowTitle(QStringLiteral("Login"));
    setFont(ProgramFont());

    auto* lock = new QLabel(this);
    lock->setObjectName(QStringLiteral("LockImage"));
    lock->setPixmap(LockPicture());
    lock->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Label1 = new QLabel(QStringLiteral("Ange ditt användarnamn och lösenord."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(QStringLiteral("Användare:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    UserComboBox = new QComboBox(this);
    UserComboBox->setObjectName(QStringLiteral("UserComboBox"));
    UserComboBox->setMinimumWidth(180);
    Label3->setBuddy(UserComboBox);
    Label2 = new QLabel(QStringLiteral("Lösenord:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
    PasswordEdit->setEchoMode(QLineEdit::Password);
    Label2->setBuddy(PasswordEdit);
    LoginButton = new QPushButton(QStringLiteral("Logga in"), this);
    LoginButton->setObjectName(QStringLiteral("LoginButton"));
    LoginButton->setDefault(true);
    ExitButton = new QPushButton(QStringLiteral("Avsluta"), this);
    ExitButton->setObjectName(QStringLiteral("ExitButton"));

    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fields->addRow(Label3, UserComboBox);
    fields->addRow(Label2, PasswordEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(LoginButton);
    buttons->addWidget(ExitButton);
    auto* right = new QVBoxLayout;
    right->addWidget(Label1);
    right->addSpacing(6);
    right->addLayout(fields);
    right->addSpacing(6);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lock);
    layout->addSpacing(6);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(PasswordEdit, UserComboBox);
    setTabOrder(UserComboBox, LoginButton);
    setTabOrder(LoginButton, ExitButton);

    connect(LoginButton, &QPushButton::clicked, this, [this] { RunGuarded([this] { LoginButtonClick(); }); });
    connect(ExitButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TLoginForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    RunGuarded([this] { FillUsers(); });
}

void TLoginForm::FillUsers()
{
    UserComboBox->clear();
    TValdrona_ADOQuery users;
    users.LoadTemplate(QStringLiteral("getUsers.sql"));
    for (users.OpenTemplate(); !users.Eof(); users.Next())
        UserComboBox->addItem(users.FieldAsText(QStringLiteral("Username")));
    const QString lastUser = ReadIniString(GetIniFileName(), LoginSection, QStringLiteral("LASTUSER"));
    int selected = lastUser.isEmpty() && UserComboBox->count() > 0 ? 0 : -1;
    for (int i = 0; i < UserComboBox->count() && !lastUser.isEmpty(); ++i) {
        if (UserComboBox->itemText(i).compare(lastUser, Qt::CaseInsensitive) == 0) {
            selected = i;
            break;
        }
    }
    UserComboBox->setCurrentIndex(selected);
    PasswordEdit->setText(ReadIniString(GetIniFileName(), LoginSection, QStringLiteral("PASSWORD")));
    PasswordEdit->setFocus();
}

void TLoginForm::LoginButtonClick()
{
    const QString username = UserComboBox->currentIndex() >= 0 ? UserComboBox->currentText() : QString();
    if (Login(username, PasswordEdit->text()) <= 0) {
        Prompt().Beep();
        PasswordEdit->clear();
        PasswordEdit->setFocus();
        return;
    }
    WriteIniString(GetIniFileName(), LoginSection, QStringLiteral("LASTUSER"), username);
    accept();
}
