// SPDX-License-Identifier: MIT
#pragma once

#include <span>

class Sketch;

// The files of the sample content tree, one row per file, with content paths written in forward slashes and
// in the letter case of the course tables.
enum class LogoKind { Composition, Cube, Maker, Book, Monitor };
enum class AnimationKind { Disc, Flag, Smile, Wink };
enum class SoundKind { Ding, Notify, Record };

struct LogoRow {
    const char* path;
    int width;
    int height;
    LogoKind kind;
};

struct AnimationRow {
    const char* path;
    AnimationKind kind;
};

struct SoundRow {
    const char* path;
    SoundKind kind;
};

using FigureDrawing = void (*)(Sketch&);

struct FigureRow {
    const char* path;
    int width;
    int height;
    FigureDrawing draw;
};

// An article: its content path and the title a placeholder names when its source text is missing.
struct ArticleRow {
    const char* path;
    const char* title;
};

class ContentTables final {
public:
    ContentTables() = delete;

    static std::span<const LogoRow> logos();
    static std::span<const AnimationRow> animations();
    static std::span<const SoundRow> sounds();
    static std::span<const FigureRow> figures();
    static std::span<const ArticleRow> articles();
};
