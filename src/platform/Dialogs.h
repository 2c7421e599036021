#pragma once

// Every modal question and common dialog of the program goes through here: message boxes, the file
// open and save dialogs, the colour picker and the system beep. Tests switch the seam into its test
// mode and queue the operator's answers in advance, so that no test ever waits on a real dialog.

#include "app/Settings.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace brimley::Dialogs {

enum class Answer { Yes, No, Cancel };
enum class Buttons { YesNo, YesNoCancel };
enum class Icon { None, Question, Warning };

// A modal message box; the first button is the default. Closing the box counts as Cancel (or No
// where there is no Cancel button).
Answer ask(QWidget* parent, const QString& title, const QString& text, Buttons buttons, Icon icon);

// A modal message with an OK button, for failures the operator must know about.
void tell(QWidget* parent, const QString& title, const QString& text);

// File dialogs. The filter is written as a description, a vertical bar and the patterns separated by
// semicolons ("Pictures (*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg"). The start path is the file name or
// folder the dialog opens at. Nothing is returned when the operator cancels.
std::optional<QString> openFile(QWidget* parent, const QString& filter, const QString& startPath,
                                bool mustExist = true);
std::optional<QString> saveFile(QWidget* parent, const QString& filter, const QString& startPath);

// The colour picker, opened at the given colour; nothing is returned when the operator cancels.
std::optional<Colour> chooseColour(QWidget* parent, Colour initial);

void beep();

// The filter of a file dialog in Qt's form: "Brimley File *.brm|*.brm" becomes
// "Brimley File *.brm (*.brm)".
QString qtFilter(const QString& filter);

namespace Testing {

// What a dialog was asked to show, as tests check it.
struct Shown
{
    enum Kind { Question, Message, OpenFile, SaveFile, Colour, Beep } kind;
    QString title;
    QString text; // message text, or the filter of a file dialog
    Buttons buttons = Buttons::YesNo;
    Icon icon = Icon::None;
    QString startPath; // file dialogs: where they opened
    brimley::Colour initialColour = 0;
};

// In test mode no real dialog appears: each dialog takes the next queued answer of its kind. A dialog
// without a queued answer is recorded as unexpected and answered Cancel (or cancelled).
void enable();
bool enabled();

void queueAnswer(Answer answer);
void queueFile(std::optional<QString> path); // nothing: the operator cancels the file dialog
void queueColour(std::optional<brimley::Colour> colour);

// Everything shown since the last reset, in order, and how many dialogs found no queued answer.
const QList<Shown>& shown();
int unexpected();
// Forgets what was shown and every queued answer.
void reset();

} // namespace Testing
} // namespace brimley::Dialogs
