// SPDX-License-Identifier: MIT
#pragma once

#include "pictures/GifData.h"

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

// The GIF picture object: the decoded header and frames, and the playback settings with their defaults.
// Copies share the decoded frames (they never change after loading) and carry their own settings.
class GifImage final {
public:
    static constexpr int defaultAnimationSpeed = 100;
    static constexpr int maxAnimationSpeed = 1000;

    GifImage() = default;

    // Throws Error: "Invalid GIF signature", "Premature end of data", "Invalid GIF data (...)",
    // Error::cannotOpen(...) for a missing or unreadable file.
    void loadFromFile(const QString& filePath);
    void loadFromData(const QByteArray& data);

    void setAnimate(bool on) { m_animate = on; }
    bool animate() const { return m_animate; }
    void setLoop(bool on) { m_loop = on; }
    bool loop() const { return m_loop; }
    void setTransparent(bool on) { m_transparent = on; }
    bool transparent() const { return m_transparent; }
    void setClearOnLoop(bool on) { m_clearOnLoop = on; }
    bool clearOnLoop() const { return m_clearOnLoop; }
    void setLoopForever(bool on) { m_loopForever = on; }
    bool loopForever() const { return m_loopForever; }
    // Percent of the nominal speed, 1 to 1000.
    void setAnimationSpeed(int percent);
    int animationSpeed() const { return m_animationSpeed; }
    void setBackgroundColor(const QColor& color) { m_backgroundColor = color; }
    void resetBackgroundColor() { m_backgroundColor.reset(); }
    // The colour set, else the global table's entry at the background index, else the window colour.
    QColor backgroundColor() const;

    int frameCount() const { return int(m_data->frames.size()); }
    QSize logicalSize() const { return m_data->logicalSize; }
    const GifData& data() const { return *m_data; }
    // Several frames and animate on: drawing it needs a player.
    bool isAnimated() const { return m_animate && frameCount() > 1; }

private:
    std::shared_ptr<const GifData> m_data = std::make_shared<const GifData>();
    bool m_animate = true;
    bool m_loop = true;
    bool m_transparent = true;
    bool m_clearOnLoop = true;
    bool m_loopForever = false;
    int m_animationSpeed = defaultAnimationSpeed;
    std::optional<QColor> m_backgroundColor;
};
