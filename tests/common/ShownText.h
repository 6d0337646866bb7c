#pragma once
// What a control shows of a value, judged from its pixels alone: the ink a
// text leaves is where the control's image with the text differs from its
// image without it.
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <gtest/gtest.h>

// The pixels where two renderings of the same control differ by at least
// half of their largest difference (the text's ink at half coverage).
QImage InkMask(const QImage& with, const QImage& without);
// The bounding box of a mask's ink within `area` (null when there is none).
QRect InkBox(const QImage& mask, const QRect& area);
// The ink mask of `text` drawn alone, black on white, in `font`.
QImage TextInk(const QString& text, const QFont& font);

// Whether the ink between the two renderings is `text` whole, or `text`
// elided at its end with "…", in the family and style of `font` at a pixel
// size from the font's own down to 9: a value the user reads as it is, or
// sees is cut. A text clipped by its box matches neither.
::testing::AssertionResult ShowsWholeOrElided(const QImage& with, const QImage& without, const QString& text,
                                              const QFont& font);
