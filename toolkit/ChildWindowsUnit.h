#pragma once

#include <QMdiArea>
#include <functional>

class QMdiSubWindow;

// Creates the widget of a child window when none of its name exists yet.
using TChildFactory = std::function<QWidget*()>;

// The workspace of the main window. Its child windows are known by name, so
// that there is at most one window of each kind; a closed window is freed.
class TChildWindowArea : public QMdiArea {
    Q_OBJECT
public:
    explicit TChildWindowArea(QWidget* parent = nullptr);

    // Brings the window of that name forward, or creates it with the factory.
    // The mouse pointer shows that the program is busy meanwhile.
    QWidget* OpenChildWindow(const QString& name, const TChildFactory& factory);
    // Shows the child window of that name; false when none exists.
    bool ShowChildByName(const QString& name);
    QWidget* FindChild(const QString& name) const;

    int ChildCount() const;
    // The visible child windows in the frame's order.
    QList<QMdiSubWindow*> VisibleChildren() const;
    // Frees every visible named child window, last first, whatever its own close rules say.
    void FreeVisibleChildren();
    // Asks every child window to close, last first; each window may refuse.
    void CloseEachChild();

private:
    QMdiSubWindow* FindFrame(const QString& name) const;
};

// Shows the busy pointer while it lives, and restores the pointer also when an error passes.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};
