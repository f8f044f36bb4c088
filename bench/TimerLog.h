#pragma once

// Watches every timer event the application delivers, as an application-wide event
// filter: when each firing of the one timer it is told of arrived, and, once
// counting has begun, how many timer events went to each object, by its class and
// name. It lets every event through unchanged.

#include <QObject>
#include <QString>

#include <chrono>
#include <map>
#include <vector>

class TimerLog : public QObject {
public:
    using Clock = std::chrono::steady_clock;

    explicit TimerLog(const QObject* watchedTimer) : m_watchedTimer(watchedTimer) {}

    // When each of the watched timer's events arrived, before its handler ran.
    const std::vector<Clock::time_point>& firings() const { return m_firings; }

    // From now on every timer event is counted, except those that go to `ignored`.
    void startCounting(const QObject* ignored);
    // "QTimer \"Timer1\"" → events counted.
    const std::map<QString, int>& counted() const { return m_counted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QObject* m_watchedTimer;
    std::vector<Clock::time_point> m_firings;
    bool m_counting = false;
    const QObject* m_ignored = nullptr;
    std::map<QString, int> m_counted;
};
