#pragma once

// The scoreboard of the real program read as the audience sees it: where its displays stand is learnt
// from a scoreboard of the same size built inside the test (never shown), and each display is read
// off a grab of the program's window.

#include "led/NumberLED.h"
#include "scoreboard/frmScoreboard.h"
#include "support/LedReader.h"

#include <QGuiApplication>
#include <QScreen>

namespace BoardReading {

// The displays of a scoreboard window of this size showing the model's teams, cell by cell.
inline QList<QRect> displaysOf(QSize windowSize)
{
    brimley::frmScoreboard layout;
    layout.setAttribute(Qt::WA_DontShowOnScreen);
    layout.resize(windowSize);
    layout.show();
    layout.UpdateForm();
    QList<QRect> displays;
    for (const brimley::Cell& cell : layout.cells().mid(1))
        displays << QRect(cell.nledScore->mapTo(&layout, QPoint(0, 0)), cell.nledScore->size());
    return displays;
}

// The scores on the X window, red on black as the defaults have it.
inline QStringList scoresOn(const QString& window, const QList<QRect>& displays)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage();
    QStringList scores;
    for (const QRect& display : displays) {
        const auto reading =
            LedReader::read(shot.copy(display.adjusted(-4, -4, 4, 4)), Qt::red, Qt::black, 2);
        scores << (reading ? reading->value : QStringLiteral("(unreadable)"));
    }
    return scores;
}

} // namespace BoardReading
