#pragma once
// Shared pieces of the artwork generator: the wood palette, the chess
// glyph font, and saving pictures into the program folder.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace Art {

// Flat wood tones, light to dark.
inline const QColor Maple(0xF0, 0xD9, 0xB5);
inline const QColor Birch(0xE4, 0xC9, 0x9B);
inline const QColor Oak(0xC8, 0x9F, 0x6A);
inline const QColor Walnut(0xB5, 0x88, 0x63);
inline const QColor Umber(0x6B, 0x4A, 0x2F);
inline const QColor Ebony(0x3B, 0x2A, 0x1E);
inline const QColor Ink(0x2B, 0x1B, 0x10);
inline const QColor Cream(0xF5, 0xE6, 0xC8);
inline const QColor Paper(0xFB, 0xF4, 0xE6);
inline const QColor Ivory(0xFA, 0xF3, 0xE3);
inline const QColor Coal(0x1E, 0x16, 0x12);

// The second set's pen-and-ink tones and the second skin's harbour slate.
inline const QColor InkPaper(0xFD, 0xFB, 0xF4);
inline const QColor InkBlue(0x1C, 0x2A, 0x4A);
inline const QColor Sage(0xDD, 0xE5, 0xC8);
inline const QColor Moss(0x7E, 0x9A, 0x6E);
inline const QColor Stone(0xE6, 0xE6, 0xE1);
inline const QColor SlateBlue(0x6F, 0x83, 0x99);

// Fails the whole run (exit code 1) with a message when a file cannot be
// written, so the build stops instead of shipping a half-made folder.
void Save(const QImage& image, const QString& path, const char* format = nullptr, int quality = -1);
void MakeFolder(const QString& path);

// The DejaVu Sans family, loaded from its file so that it is there on a
// machine without a font configuration; DejaVu Sans Mono, whose chess
// glyphs are drawn on another pattern, for the second set.
QFont GlyphFont(int pixelSize);
QFont MonoGlyphFont(int pixelSize);
QFont TextFont(int pixelSize, bool bold = false);

// The chess glyph of a piece kind (1 rook .. 6 pawn), solid or outlined.
QChar PieceGlyph(int kind, bool solid);

// A piece drawn centred in a square of `size` pixels: White ivory with
// dark outline detail, Black dark with its detail lines left open.
void DrawPiece(class QPainter& painter, const QRectF& square, int kind, bool white, qreal rotation = 0);
// The second set's pieces, pen and ink: the Mono glyph's outline inked on
// paper for White, filled with ink and ringed in paper for Black.
void DrawInkedPiece(class QPainter& painter, const QRectF& square, int kind, bool white,
                    qreal rotation = 0);

// The generators, each writing below the program folder.
void MakeSkin(const QString& programFolder);
void MakeSecondSkin(const QString& programFolder);
void MakeChessSet(const QString& programFolder);
void MakeSecondChessSet(const QString& programFolder);
void MakeIcons(const QString& programFolder);
// The program icon at the desktop's sizes, in an icon theme's folder.
void MakeThemeIcons(const QString& themeFolder);
void MakeSplash(const QString& programFolder);
void MakeSoundCues(const QString& programFolder);

} // namespace Art
