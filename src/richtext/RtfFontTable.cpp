// SPDX-License-Identifier: MIT
#include "richtext/RtfFontTable.h"

namespace {

constexpr int SymbolCharset = 2;
constexpr int NoFont = -2; // never a font number: the cache holds nothing

// Font names that Windows made up for one character set of a font ("Times New Roman Cyr", "Arial CE") name
// the set by their suffix; the family is the name without it.
struct NameSuffix {
    QLatin1StringView suffix;
    int codePage;
};
constexpr NameSuffix CharsetSuffixes[] = {
    {QLatin1StringView(" Cyr"), 1251}, {QLatin1StringView(" CE"), 1250},     {QLatin1StringView(" Greek"), 1253},
    {QLatin1StringView(" Tur"), 1254}, {QLatin1StringView(" Baltic"), 1257},
};

} // namespace

RtfFontTable::RtfFontTable() = default;
RtfFontTable::~RtfFontTable() = default;

void RtfFontTable::setDocumentCodePage(int codePage)
{
    m_documentCodePage = codePage;
    m_cachedFont = NoFont;
}

void RtfFontTable::setDefaultFont(int number)
{
    m_defaultFont = number;
    m_cachedFont = NoFont;
}

void RtfFontTable::beginTable()
{
    m_name.clear();
    m_charset = -1;
    m_entryCodePage = 0;
}

void RtfFontTable::appendName(QByteArrayView bytes)
{
    if (m_name.size() < MaxNameBytes)
        m_name.append(bytes);
}

std::optional<RtfFontTable::Font> RtfFontTable::finishEntry()
{
    const QByteArray name = m_name.trimmed();
    m_name.clear();
    const int charset = m_charset;
    const int cpg = m_entryCodePage;
    m_charset = -1;
    m_entryCodePage = 0;
    if (name.isEmpty() && charset < 0 && cpg <= 0)
        return std::nullopt;
    int codePage = charset >= 0 ? RtfCodePage::forCharset(charset) : 0;
    if (codePage == 0 && cpg > 0)
        codePage = cpg;
    QString family = RtfCodePage(codePage > 0 ? codePage : m_documentCodePage).decode(name);
    if (charset == SymbolCharset) {
        if (family.compare(QLatin1StringView("Symbol"), Qt::CaseInsensitive) == 0)
            codePage = RtfCodePage::SymbolFont;
        else if (family.startsWith(QLatin1StringView("Wingdings"), Qt::CaseInsensitive))
            codePage = RtfCodePage::WingdingsFont;
    }
    for (const NameSuffix& suffix : CharsetSuffixes) {
        if (family.endsWith(suffix.suffix, Qt::CaseInsensitive)) {
            family.chop(suffix.suffix.size());
            if (suffix.codePage == RtfCodePage::Cyrillic || codePage == 0)
                codePage = suffix.codePage;
            break;
        }
    }
    if (codePage > 0 && (m_codePageOfFont.size() < MaxFonts || m_codePageOfFont.contains(m_number)))
        m_codePageOfFont.insert(m_number, codePage);
    else
        m_codePageOfFont.remove(m_number);
    m_cachedFont = NoFont;
    return Font{m_number, family};
}

RtfCodePage& RtfFontTable::codePageFor(int font)
{
    if (font == m_cachedFont && m_cachedCodePage)
        return *m_cachedCodePage;
    const int number = m_codePageOfFont.value(font < 0 ? m_defaultFont : font, 0);
    const int codePage = number > 0 ? number : m_documentCodePage;
    auto& slot = m_codePages[codePage];
    if (!slot)
        slot = std::make_unique<RtfCodePage>(codePage);
    m_cachedFont = font;
    m_cachedCodePage = slot.get();
    return *slot;
}
