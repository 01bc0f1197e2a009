// SPDX-License-Identifier: MIT
#include "controls/MediaPlayer.h"

#include "content/ContentPath.h"
#include "platform/Error.h"
#include "platform/SoundDevice.h"

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent) {}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::open()
{
    close();
    m_clip = SoundDevice::instance().open(ContentPath::resolve(m_fileName));
}

void MediaPlayer::play()
{
    if (!m_clip)
        throw Error(QStringLiteral("No MCI device open"));
    m_clip->play();
}

void MediaPlayer::close()
{
    m_clip.reset();
}
