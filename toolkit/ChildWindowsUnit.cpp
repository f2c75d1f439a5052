#include "ChildWindowsUnit.h"

#include <QApplication>
#include <QMdiSubWindow>

TChildWindowArea::TChildWindowArea(QWidget* parent) : QMdiArea(parent)
{
    setObjectName(QStringLiteral("ClientArea"));
}

QWidget* TChildWindowArea::OpenChildWindow(const QString& name, const TChildFactory& factory)
{
    const TBusyCursor busy;
    if (ShowChildByName(name))
        return FindChild(name);
    QWidget* window = factory();
    window->setObjectName(name);
    // A window that set its own size keeps it; the frame grows around it.
    const QSize ownSize = window->testAttribute(Qt::WA_Resized) ? window->size() : QSize();
    QMdiSubWindow* frame = addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setObjectName(name + QStringLiteral("Frame"));
    frame->show();
    if (ownSize.isValid())
        frame->resize(frame->size() - window->size() + ownSize);
    setActiveSubWindow(frame);
    return window;
}

QMdiSubWindow* TChildWindowArea::FindFrame(const QString& name) const
{
    for (QMdiSubWindow* frame : subWindowList()) {
        if (frame->widget() && frame->widget()->objectName() == name)
            return frame;
    }
    return nullptr;
}

bool TChildWindowArea::ShowChildByName(const QString& name)
{
    QMdiSubWindow* frame = FindFrame(name);
    if (!frame)
        return false;
    if (frame->isMinimized())
        frame->showNormal();
    else
        frame->show();
    setActiveSubWindow(frame);
    return true;
}

QWidget* TChildWindowArea::FindChild(const QString& name) const
{
    QMdiSubWindow* frame = FindFrame(name);
    return frame ? frame->widget() : nullptr;
}

int TChildWindowArea::ChildCount() const
{
    return int(subWindowList().size());
}

QList<QMdiSubWindow*> TChildWindowArea::VisibleChildren() const
{
    QList<QMdiSubWindow*> visible;
    for (QMdiSubWindow* frame : subWindowList()) {
        if (frame->isVisible())
            visible.append(frame);
    }
    return visible;
}

void TChildWindowArea::FreeVisibleChildren()
{
    const QList<QMdiSubWindow*> frames = subWindowList();
    for (auto frame = frames.crbegin(); frame != frames.crend(); ++frame) {
        if ((*frame)->isVisible() && (*frame)->widget() && !(*frame)->widget()->objectName().isEmpty())
            delete *frame;
    }
}

void TChildWindowArea::CloseEachChild()
{
    const QList<QMdiSubWindow*> frames = subWindowList();
    for (auto frame = frames.crbegin(); frame != frames.crend(); ++frame)
        (*frame)->close();
}

TBusyCursor::TBusyCursor()
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

TBusyCursor::~TBusyCursor()
{
    QApplication::restoreOverrideCursor();
}
