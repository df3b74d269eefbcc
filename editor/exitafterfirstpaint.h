#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace vte {

// Lets a benchmark time start-up up to the first frame a user would see: on
// the first paint of any widget it prints one line and quits. The quit is
// queued so that the whole first paint, flush included, is counted. Installed
// on the application only when asked for, so users never pay for it.
class ExitAfterFirstPaint final : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] {
                std::puts("first paint");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace vte
