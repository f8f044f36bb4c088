#include "TimerLog.h"

#include <QEvent>

void TimerLog::startCounting(const QObject* ignored)
{
    m_counting = true;
    m_ignored = ignored;
}

bool TimerLog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Timer)
        return false;
    if (watched == m_watchedTimer)
        m_firings.push_back(Clock::now());
    if (m_counting && watched != m_ignored) {
        const QString name = QString::fromLatin1(watched->metaObject()->className()) +
                             QStringLiteral(" \"") + watched->objectName() + QStringLiteral("\"");
        ++m_counted[name];
    }
    return false;
}
