#pragma once

// frmHelp: the help window. It shows the help document that lies next to the program, read with our
// own RTF reader, or a short message when the file is missing or cannot be read. A single window for
// the whole run: showing it again only brings it to the front, and closing it discards the document,
// so that the next showing reads the file afresh.

#include "platform/SingleWindow.h"

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace brimley {

class frmHelp : public QWidget, public SingleWindow<frmHelp>
{
    Q_OBJECT

public:
    // The help document: "brimleyhelpfile.rtf" in the program's folder.
    static QString helpFilePath();
    // Tests point the window at another file, or at one that does not exist; an empty path goes back
    // to the program's own file. Takes effect when the window is next created.
    static void setHelpFilePathForTesting(const QString& path);

    static const QString MissingFileMessage;
    static const QString UnreadableFileMessage;
    // Ends a help file that is cut short at the reader's limits.
    static const QString TooLongFileMessage;

    explicit frmHelp(QWidget* parent = nullptr);
    ~frmHelp() override;

    QTextBrowser* rtbHelp = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void loadDocument();
    void applyResizeRule();
};

} // namespace brimley
