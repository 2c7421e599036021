#pragma once

// frmSplash: the window the program starts with. It shows the logo, the program's name and version and
// how to reach help and the options, and applies the default settings while it loads, so that every
// window opened after it finds the model filled. Under the F1 and F2 lines, two more lines name the
// scoreboard's keys for full screen, blackout, undo and redo. A click anywhere on it but its Help button
// leads on to the options window.

#include "platform/SingleWindow.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace brimley {

class frmSplash : public QWidget, public SingleWindow<frmSplash>
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

    // Closes the splash window and shows the options window.
    void GoScore();

    QLabel* picLogo = nullptr;
    QFrame* frameSplash = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblMadeBy = nullptr;
    QLabel* lblClick = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblFullScreenKeys = nullptr;
    QLabel* lblUndoKeys = nullptr;
    QPushButton* cmdHelp = nullptr;

signals:
    // GoScore has run: the splash window is closed and the options window shown.
    void wentToOptions();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void cmdHelp_Click();
    void showLogo();
};

} // namespace brimley
