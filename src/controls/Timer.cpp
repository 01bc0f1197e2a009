// SPDX-License-Identifier: MIT
#include "controls/Timer.h"

Timer::Timer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::timeout);
}

void Timer::setInterval(int milliseconds)
{
    const bool running = m_timer.isActive();
    m_timer.setInterval(milliseconds);
    if (running)
        m_timer.start();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}
