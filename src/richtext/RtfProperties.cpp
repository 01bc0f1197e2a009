// SPDX-License-Identifier: MIT
#include "richtext/RtfProperties.h"

#include <QTextCharFormat>
#include <QTextOption>

#include <algorithm>

namespace {

constexpr int MaxHalfPoints = 3276;

quint8 underlineStyle(bool on, QTextCharFormat::UnderlineStyle style)
{
    return on ? style : QTextCharFormat::NoUnderline;
}

} // namespace

bool RtfCharProps::apply(RtfWord word, bool hasParameter, int parameter)
{
    // \b and \b1 switch a toggle on, \b0 off.
    const bool on = !hasParameter || parameter != 0;
    switch (word) {
    case RtfWord::Plain: {
        const int keptLink = link;
        *this = RtfCharProps();
        link = keptLink; // a field result stays a link through \plain
        break;
    }
    case RtfWord::Fs:
        halfPoints = hasParameter && parameter > 0 ? std::min(parameter, MaxHalfPoints) : DefaultHalfPoints;
        break;
    case RtfWord::B:
        bold = on;
        break;
    case RtfWord::I:
        italic = on;
        break;
    case RtfWord::Ul:
        underline = underlineStyle(on, QTextCharFormat::SingleUnderline);
        break;
    case RtfWord::UlDotted:
        underline = underlineStyle(on, QTextCharFormat::DotLine);
        break;
    case RtfWord::UlDash:
        underline = underlineStyle(on, QTextCharFormat::DashUnderline);
        break;
    case RtfWord::UlDashDot:
        underline = underlineStyle(on, QTextCharFormat::DashDotLine);
        break;
    case RtfWord::UlDashDotDot:
        underline = underlineStyle(on, QTextCharFormat::DashDotDotLine);
        break;
    case RtfWord::UlWave:
        underline = underlineStyle(on, QTextCharFormat::WaveUnderline);
        break;
    case RtfWord::UlNone:
        underline = QTextCharFormat::NoUnderline;
        break;
    case RtfWord::Strike:
        strike = on;
        break;
    case RtfWord::Super:
        vertical = on ? 1 : 0;
        break;
    case RtfWord::Sub:
        vertical = on ? -1 : 0;
        break;
    case RtfWord::NoSuperSub:
        vertical = 0;
        break;
    case RtfWord::Up:
        vertical = parameter > 0 || !hasParameter ? 1 : 0;
        break;
    case RtfWord::Dn:
        vertical = parameter > 0 || !hasParameter ? -1 : 0;
        break;
    case RtfWord::Cf:
        foreground = std::max(0, parameter);
        break;
    case RtfWord::Cb:
    case RtfWord::Highlight:
        background = std::max(0, parameter);
        break;
    case RtfWord::Hidden:
        hidden = on;
        break;
    case RtfWord::Caps:
        caps = on;
        break;
    case RtfWord::SmallCaps:
        smallCaps = on;
        break;
    default:
        return false;
    }
    return true;
}

bool RtfParaProps::apply(RtfWord word, bool hasParameter, int parameter)
{
    const bool on = !hasParameter || parameter != 0;
    switch (word) {
    case RtfWord::Pard:
        *this = RtfParaProps();
        break;
    case RtfWord::Ql:
        alignment = 0;
        break;
    case RtfWord::Qc:
        alignment = 1;
        break;
    case RtfWord::Qr:
        alignment = 2;
        break;
    case RtfWord::Qj:
        alignment = 3;
        break;
    // Lengths are 0 when the word has no number (the parameter is then 0).
    case RtfWord::Li:
        leftIndent = parameter;
        break;
    case RtfWord::Ri:
        rightIndent = parameter;
        break;
    case RtfWord::Fi:
        firstIndent = parameter;
        break;
    case RtfWord::Sb:
        spaceBefore = parameter;
        break;
    case RtfWord::Sa:
        spaceAfter = parameter;
        break;
    case RtfWord::Sl:
        lineSpacing = parameter;
        break;
    case RtfWord::SlMult:
        lineMultiple = on;
        break;
    case RtfWord::InTable:
        inTable = on;
        break;
    case RtfWord::Tqr:
        nextTabType = QTextOption::RightTab;
        break;
    case RtfWord::Tqc:
        nextTabType = QTextOption::CenterTab;
        break;
    case RtfWord::Tqdec:
        nextTabType = QTextOption::DelimiterTab;
        break;
    case RtfWord::Tx:
    case RtfWord::Tb:
        if (tabCount < MaxTabs && parameter >= 0)
            tabs[tabCount++] = {parameter, nextTabType};
        nextTabType = QTextOption::LeftTab;
        break;
    default:
        return false;
    }
    return true;
}
