// SPDX-License-Identifier: MIT
#include "richtext/RtfWord.h"

#include <string_view>
#include <unordered_map>

namespace {

using W = RtfWord;

const std::unordered_map<std::string_view, RtfWord>& words()
{
    static const std::unordered_map<std::string_view, RtfWord> table = [] {
        // clang-format off
        std::unordered_map<std::string_view, RtfWord> t{
            {"rtf", W::Rtf}, {"fonttbl", W::FontTable}, {"colortbl", W::ColorTable}, {"pict", W::Picture},
            {"field", W::Field}, {"fldinst", W::FieldInstruction}, {"fldrslt", W::FieldResult},
            {"shppict", W::ShapePicture}, {"pntext", W::ListText}, {"listtext", W::ListText}, {"ansi", W::Ansi},
            {"mac", W::Mac}, {"pc", W::Pc}, {"pca", W::Pca}, {"ansicpg", W::AnsiCodePage}, {"deff", W::DefaultFont},
            {"deftab", W::DefaultTab}, {"uc", W::Uc}, {"u", W::U}, {"bin", W::Bin}, {"f", W::F},
            {"fcharset", W::FontCharset}, {"cpg", W::CodePage}, {"red", W::Red}, {"green", W::Green},
            {"blue", W::Blue}, {"plain", W::Plain}, {"fs", W::Fs}, {"b", W::B}, {"i", W::I}, {"ul", W::Ul},
            {"ulw", W::Ul}, {"uldb", W::Ul}, {"ulth", W::Ul}, {"uld", W::UlDotted}, {"ulthd", W::UlDotted},
            {"uldash", W::UlDash}, {"ulthdash", W::UlDash}, {"ulldash", W::UlDash}, {"uldashd", W::UlDashDot},
            {"ulthdashd", W::UlDashDot}, {"uldashdd", W::UlDashDotDot}, {"ulthdashdd", W::UlDashDotDot},
            {"ulwave", W::UlWave}, {"ulhwave", W::UlWave}, {"uldbwave", W::UlWave}, {"ulnone", W::UlNone},
            {"strike", W::Strike}, {"striked", W::Strike}, {"super", W::Super}, {"sub", W::Sub},
            {"nosupersub", W::NoSuperSub}, {"up", W::Up}, {"dn", W::Dn}, {"cf", W::Cf}, {"cb", W::Cb},
            {"chcbpat", W::Cb}, {"highlight", W::Highlight}, {"v", W::Hidden}, {"caps", W::Caps},
            {"scaps", W::SmallCaps}, {"pard", W::Pard}, {"ql", W::Ql}, {"qc", W::Qc}, {"qr", W::Qr}, {"qj", W::Qj},
            {"qd", W::Qj}, {"li", W::Li}, {"lin", W::Li}, {"ri", W::Ri}, {"rin", W::Ri}, {"fi", W::Fi},
            {"sb", W::Sb}, {"sa", W::Sa}, {"sl", W::Sl}, {"slmult", W::SlMult}, {"intbl", W::InTable},
            {"tx", W::Tx}, {"tqr", W::Tqr}, {"tqc", W::Tqc}, {"tqdec", W::Tqdec}, {"tb", W::Tb}, {"par", W::Par},
            {"sect", W::Par}, {"line", W::Line}, {"tab", W::Tab}, {"page", W::Page}, {"column", W::Page},
            {"cell", W::Cell}, {"row", W::Row}, {"nestcell", W::NestCell}, {"nestrow", W::NestRow},
            {"trowd", W::RowDefinition}, {"cellx", W::CellX}, {"emdash", W::EmDash}, {"endash", W::EnDash},
            {"emspace", W::EmSpace}, {"enspace", W::EnSpace}, {"qmspace", W::QmSpace}, {"lquote", W::LQuote},
            {"rquote", W::RQuote}, {"ldblquote", W::LDblQuote}, {"rdblquote", W::RDblQuote},
            {"bullet", W::Bullet}, {"zwj", W::Zwj}, {"zwnj", W::Zwnj}, {"pngblip", W::PngBlip},
            {"jpegblip", W::JpegBlip}, {"dibitmap", W::DiBitmap}, {"wbitmap", W::WBitmap},
            {"wmetafile", W::WMetafile}, {"emfblip", W::EmfBlip}, {"macpict", W::MacPict}, {"picw", W::PicW},
            {"pich", W::PicH}, {"picwgoal", W::PicWGoal}, {"pichgoal", W::PicHGoal}, {"picscalex", W::PicScaleX},
            {"picscaley", W::PicScaleY}, {"wbmbitspixel", W::WbmBitsPixel}, {"wbmwidthbytes", W::WbmWidthBytes},
        };
        // clang-format on
        // Destinations whose text is never shown: document information, page furniture, tables of
        // definitions, the shape and object data beside their shown results, and the like.
        for (const char* name : {"info",
                                 "stylesheet",
                                 "header",
                                 "headerl",
                                 "headerr",
                                 "headerf",
                                 "footer",
                                 "footerl",
                                 "footerr",
                                 "footerf",
                                 "footnote",
                                 "annotation",
                                 "pn",
                                 "pnseclvl",
                                 "listtable",
                                 "listoverridetable",
                                 "revtbl",
                                 "rsidtbl",
                                 "filetbl",
                                 "fchars",
                                 "lchars",
                                 "ftnsep",
                                 "ftnsepc",
                                 "ftncn",
                                 "aftnsep",
                                 "aftnsepc",
                                 "aftncn",
                                 "nonshppict",
                                 "shpinst",
                                 "sp",
                                 "sn",
                                 "sv",
                                 "objdata",
                                 "objclass",
                                 "objname",
                                 "objalias",
                                 "objsect",
                                 "objtime",
                                 "xe",
                                 "tc",
                                 "tcn",
                                 "txe",
                                 "rxe",
                                 "template",
                                 "pgdsctbl",
                                 "themedata",
                                 "colorschememapping",
                                 "latentstyles",
                                 "datastore",
                                 "xmlnstbl",
                                 "generator",
                                 "userprops",
                                 "docvar",
                                 "listpicture",
                                 "background",
                                 "fldtype",
                                 "private",
                                 "protusertbl",
                                 "picprop",
                                 "blipuid",
                                 "falt",
                                 "panose",
                                 "fontemb",
                                 "fontfile",
                                 "bkmkstart",
                                 "bkmkend",
                                 "do",
                                 "author",
                                 "operator",
                                 "title",
                                 "subject",
                                 "keywords",
                                 "comment",
                                 "doccomm",
                                 "company",
                                 "manager",
                                 "category",
                                 "hlinkbase",
                                 "atnid",
                                 "atnauthor",
                                 "atrfstart",
                                 "atrfend",
                                 "atndate",
                                 "atnref",
                                 "mmathPr",
                                 "wgrffmtfilter",
                                 "ud",
                                 "pgptbl",
                                 "passwordhash",
                                 "defchp",
                                 "defpap"})
            t.emplace(name, W::Skip);
        return t;
    }();
    return table;
}

} // namespace

RtfWord rtfWord(QByteArrayView letters)
{
    const auto& table = words();
    const auto found = table.find(std::string_view(letters.data(), size_t(letters.size())));
    return found == table.end() ? RtfWord::Unknown : found->second;
}

char16_t rtfWordCharacter(RtfWord word)
{
    switch (word) {
    case W::EmDash:
        return 0x2014;
    case W::EnDash:
        return 0x2013;
    case W::EmSpace:
        return 0x2003;
    case W::EnSpace:
        return 0x2002;
    case W::QmSpace:
        return 0x2005;
    case W::LQuote:
        return 0x2018;
    case W::RQuote:
        return 0x2019;
    case W::LDblQuote:
        return 0x201C;
    case W::RDblQuote:
        return 0x201D;
    case W::Bullet:
        return 0x2022;
    case W::Zwj:
        return 0x200D;
    case W::Zwnj:
        return 0x200C;
    default:
        return 0;
    }
}
