#include "platform/Dialogs.h"

#include "app/Colours.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QQueue>

namespace brimley::Dialogs {
namespace {

struct TestState
{
    bool enabled = false;
    QQueue<Answer> answers;
    QQueue<std::optional<QString>> files;
    QQueue<std::optional<brimley::Colour>> colours;
    QList<Testing::Shown> shown;
    int unexpected = 0;
};

TestState& test()
{
    static TestState state;
    return state;
}

template <typename T> std::optional<T> takeQueued(QQueue<T>& queue)
{
    if (queue.isEmpty()) {
        ++test().unexpected;
        return std::nullopt;
    }
    return queue.dequeue();
}

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString qtFilter(const QString& filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    QString patterns = filter.mid(bar + 1);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    return filter.left(bar) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

Answer ask(QWidget* parent, const QString& title, const QString& text, Buttons buttons, Icon icon)
{
    if (test().enabled) {
        test().shown.append({Testing::Shown::Question, title, text, buttons, icon, {}, 0});
        const auto answer = takeQueued(test().answers);
        return answer.value_or(buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No);
    }
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, parent);
    box.addButton(QMessageBox::Yes);
    box.addButton(QMessageBox::No);
    if (buttons == Buttons::YesNoCancel)
        box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(buttons == Buttons::YesNoCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

void tell(QWidget* parent, const QString& title, const QString& text)
{
    if (test().enabled) {
        test().shown.append({Testing::Shown::Message, title, text, Buttons::YesNo, Icon::Warning, {}, 0});
        return;
    }
    QMessageBox::warning(parent, title, text);
}

std::optional<QString> openFile(QWidget* parent, const QString& filter, const QString& startPath,
                                bool mustExist)
{
    if (test().enabled) {
        test().shown.append({Testing::Shown::OpenFile, {}, filter, Buttons::YesNo, Icon::None, startPath, 0});
        return takeQueued(test().files).value_or(std::nullopt);
    }
    QFileDialog dialog(parent, QString(), startPath, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> saveFile(QWidget* parent, const QString& filter, const QString& startPath)
{
    if (test().enabled) {
        test().shown.append({Testing::Shown::SaveFile, {}, filter, Buttons::YesNo, Icon::None, startPath, 0});
        return takeQueued(test().files).value_or(std::nullopt);
    }
    QFileDialog dialog(parent, QString(), startPath, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks its own overwrite question, after a beep.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<Colour> chooseColour(QWidget* parent, Colour initial)
{
    if (test().enabled) {
        test().shown.append({Testing::Shown::Colour, {}, {}, Buttons::YesNo, Icon::None, {}, initial});
        return takeQueued(test().colours).value_or(std::nullopt);
    }
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

void beep()
{
    if (test().enabled) {
        test().shown.append({Testing::Shown::Beep, {}, {}, Buttons::YesNo, Icon::None, {}, 0});
        return;
    }
    QApplication::beep();
}

namespace Testing {

void enable()
{
    test().enabled = true;
}
bool enabled()
{
    return test().enabled;
}
void queueAnswer(Answer answer)
{
    test().answers.enqueue(answer);
}
void queueFile(std::optional<QString> path)
{
    test().files.enqueue(std::move(path));
}
void queueColour(std::optional<brimley::Colour> colour)
{
    test().colours.enqueue(colour);
}
const QList<Shown>& shown()
{
    return test().shown;
}
int unexpected()
{
    return test().unexpected;
}

void reset()
{
    TestState& state = test();
    state.answers.clear();
    state.files.clear();
    state.colours.clear();
    state.shown.clear();
    state.unexpected = 0;
}

} // namespace Testing
} // namespace brimley::Dialogs
