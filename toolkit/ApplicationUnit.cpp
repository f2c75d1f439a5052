#include "ApplicationUnit.h"

#include "ErrorUnit.h"
#include "PromptUnit.h"

#include <QPainter>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowUncaughtError(error);
    }
    return false;
}

void RunGuarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        ShowUncaughtError(error);
    }
}

void ShowUncaughtError(const std::exception& error)
{
    if (const auto* known = dynamic_cast<const EError*>(&error))
        ShowError(known->Message());
    else
        ShowError(QString::fromLocal8Bit(error.what()));
}

QFont ProgramFont()
{
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int side : {16, 32, 48}) {
        QPixmap picture(side, side);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(31, 78, 140));
        painter.drawRoundedRect(QRectF(0, 0, side, side), side / 6.0, side / 6.0);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(side * 3 / 4);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("V"));
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}
