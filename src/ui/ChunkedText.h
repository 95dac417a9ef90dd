#pragma once

#include <QString>

class QPlainTextEdit;

namespace suoshui::ui {

// Texts shorter than this go into a box in one step; laying them out takes no noticeable time.
inline constexpr qsizetype kChunkedTextThreshold = 256 * 1024;
// About this many characters go in between two event passes.
inline constexpr qsizetype kChunkedTextPiece = 512 * 1024;

// Where the piece that starts at `from` ends: after the last line break within `pieceSize`
// characters, or after the next line break when the line is longer than that, or at the end.
// A line is never cut: appending to one long line lays the whole line out again each time, which
// made a 4 MB line eight times slower in pieces than in one go.
qsizetype chunkedPieceEnd(const QString& text, qsizetype from, qsizetype pieceSize);

// Replaces the text of the box, as setPlainText does, with pending window events processed
// between pieces so that the window keeps drawing and its timers keep running. The player's
// clicks and keys wait until the box is whole: no action (a run, a store, an import, a reset)
// then reads or rewrites a half-filled box, and nothing typed is lost.
void setPlainTextInPieces(QPlainTextEdit* box, const QString& text,
                          qsizetype pieceSize = kChunkedTextPiece);

// The same for any text: a short one goes straight in, a long one in pieces.
void putPlainText(QPlainTextEdit* box, const QString& text);

}  // namespace suoshui::ui
