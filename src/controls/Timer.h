// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

// A timer with an Enabled switch: enabling (re)starts the interval, disabling stops it.
class Timer final : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);

    void setInterval(int milliseconds);
    int interval() const { return m_timer.interval(); }
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_timer.isActive(); }

signals:
    void timeout();

private:
    QTimer m_timer;
};
