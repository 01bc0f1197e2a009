// SPDX-License-Identifier: MIT
// Runs the RTF reader over damaged and hostile inputs made from seed documents: every truncation, bit flips,
// bytes replaced by RTF syntax, deep nesting, huge \bin and picture claims, random junk. A crash or a hang fails
// the run, and in the sanitizer build any memory error, undefined behaviour or leak too.
//   damaged_rtf [SEED_DIR]   (a folder given must hold seed documents)
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QList>

#include <cstdint>
#include <cstdio>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

constexpr int FlipsPerSeed = 300;
constexpr int SyntaxHitsPerSeed = 300;
constexpr int JunkInputs = 300;
constexpr qsizetype MaxTruncations = 400;

int g_runs = 0;

void run(const QByteArray& input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
    ++g_runs;
}

QList<QByteArray> builtInSeeds()
{
    // A small PNG (1x1) as hex, so that picture decoding is exercised too.
    const QByteArray png = "89504e470d0a1a0a0000000d4948445200000001000000010802000000907753de0000000c4944415408d7"
                           "63f8cfc000000301010018dd8db00000000049454e44ae426082";
    return {
        "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fcharset204 Arial Cyr;}{\\f1\\fcharset2 Symbol;}}"
        "{\\colortbl;\\red255\\green0\\blue0;}\\pard\\qc\\li720\\fi-360\\sb120\\sl-240\\tx720\\tqr\\tx2880 "
        "\\f0\\fs24\\b\\'cf\\'f0\\b0\\i\\ul\\cf1\\highlight1 x\\plain\\f1\\'b7\\tab\\line y\\par}",
        "{\\rtf1\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\par c\\cell\\row\\trowd\\cellx500\\intbl d\\cell\\row"
        "\\pard e\\par}",
        "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}{\\pntext 1.\\tab}{\\*\\pn x}"
        "\\u1052?\\uc2\\u-10179??\\u-9047??{\\*\\unknown{\\bin3 }}}}",
        "{\\rtf1{\\pict\\pngblip\\picw1\\pich1\\picwgoal300\\pichgoal300 " + png +
            "}{\\*\\shppict{\\pict\\dibitmap 28000000020000000200000001001800000000000000000000000000000000000000"
            "00000000ff000000ff00000000ff000000ff00}}{\\pict\\wmetafile8\\picw100\\pich100 0100090000030000}"
            "{\\pict\\wbitmap\\picw8\\pich2\\wbmbitspixel1\\wbmwidthbytes2 ff00aa55}}",
        "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 M;}}\\f0\\'82\\'a0\\'83A\\'82}",
    };
}

QList<QByteArray> hostileInputs()
{
    const int depth = 300'000;
    return {
        "{\\rtf1 " + QByteArray(depth, '{') + "x" + QByteArray(depth, '}') + "}",
        "{\\rtf1 " + QByteArray(depth, '{'),
        "{\\rtf1 " + QByteArray("{\\*\\x ").repeated(depth / 10),
        "{\\rtf1 " + QByteArray("{\\b ").repeated(depth / 10) + "x",
        "{\\rtf1{\\field" + QByteArray("{\\field{\\*\\fldinst HYPERLINK a}{\\fldrslt ").repeated(2000) + "x",
        "{\\rtf1 a\\bin2147483647 b}",
        "{\\rtf1 a\\bin99999999999999999999999 b}",
        "{\\rtf1{\\pict\\pngblip\\bin2147483647 \x89PNG}}",
        "{\\rtf1{\\pict\\wbitmap\\picw2147483647\\pich2147483647\\wbmbitspixel32\\wbmwidthbytes-1 00}}",
        "{\\rtf1{\\pict\\emfblip\\picw-5\\pich-7\\picscalex-100\\picscaley0 00}}",
        "{\\rtf1{\\pict\\dibitmap 28000000ffffff7fffffff7f0100200000000000}}",
        "{\\rtf1 " + QByteArray("\\par ").repeated(200'000) + "}",
        "{\\rtf1\\intbl " + QByteArray("\\cell ").repeated(20'000) + "\\row}",
        "{\\rtf1 " + QByteArray("\\intbl a\\cell\\row ").repeated(20'000) + "}",
        "{\\rtf1{\\fonttbl" + QByteArray("{\\f-2147483648\\fcharset-1\\cpg-5 ;}").repeated(5000) + "}x}",
        "{\\rtf1{\\colortbl" + QByteArray("\\red999\\green-1\\blue300;").repeated(20'000) + "}\\cf19999 x}",
        "{\\rtf1\\uc2147483647\\u2147483647 \\u-2147483648 x}",
        "{\\rtf1 " + QByteArray("\\u55357?").repeated(10'000) + "}",
        "{\\rtf1\\" + QByteArray(200'000, 'a') + "}",
        "{\\rtf1\\a" + QByteArray(200'000, '9') + "}",
        "{\\rtf1 \\'",
        "{\\rtf1 \\'a",
        "{\\rtf1 \\-",
        "{\\rtf1\\ansicpg950{\\fonttbl{\\f0\\fcharset136 x;}}\\f0 " + QByteArray("\\'a4").repeated(10001) + "}",
        QByteArray(100'000, '\xff'),
        QByteArray("{\\rtf").append(QByteArray(100'000, '\0')),
    };
}

void damage(const QByteArray& seed, std::mt19937& random)
{
    // Every truncation (sampled evenly for long seeds).
    const qsizetype step = std::max<qsizetype>(1, seed.size() / MaxTruncations);
    for (qsizetype length = 0; length < seed.size(); length += step)
        run(seed.left(length));
    std::uniform_int_distribution<qsizetype> position(0, std::max<qsizetype>(0, seed.size() - 1));
    std::uniform_int_distribution<int> bit(0, 7);
    std::uniform_int_distribution<int> count(1, 8);
    for (int i = 0; i < FlipsPerSeed; ++i) {
        QByteArray flipped = seed;
        for (int n = count(random); n > 0 && !flipped.isEmpty(); --n)
            flipped[position(random)] = char(flipped[position(random)] ^ (1 << bit(random)));
        run(flipped);
    }
    static const char syntax[] = "{}\\\\'*09-; \r\n";
    std::uniform_int_distribution<int> pick(0, int(sizeof syntax) - 2);
    for (int i = 0; i < SyntaxHitsPerSeed; ++i) {
        QByteArray hit = seed;
        for (int n = count(random); n > 0 && !hit.isEmpty(); --n)
            hit[position(random)] = syntax[pick(random)];
        run(hit);
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QList<QByteArray> seeds = builtInSeeds();
    if (argc > 1) {
        const QDir dir(QString::fromLocal8Bit(argv[1]));
        const QStringList names = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
        for (const QString& name : names) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "damaged_rtf: cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            seeds.append(file.readAll());
        }
        if (names.isEmpty()) {
            std::fprintf(stderr, "damaged_rtf: no seed documents in %s\n", argv[1]);
            return 1;
        }
    }
    std::mt19937 random(20240601);
    for (const QByteArray& seed : std::as_const(seeds))
        damage(seed, random);
    for (const QByteArray& input : hostileInputs())
        run(input);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 4000);
    for (int i = 0; i < JunkInputs; ++i) {
        QByteArray junk("{\\rtf1");
        for (int n = length(random); n > 0; --n)
            junk.append(char(byte(random)));
        run(junk);
    }
    std::printf("damaged_rtf: %d inputs from %d seeds read without a fault\n", g_runs, int(seeds.size()));
    return 0;
}
