#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Acts on the next modal dialog of type T as soon as it is shown, from inside its
// event loop. Several drivers of different types may wait at the same time.
template <class T>
void OnModal(std::function<void(T&)> action)
{
    auto* timer = new QTimer(QApplication::instance());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(*dialog);
    });
    timer->start();
}
