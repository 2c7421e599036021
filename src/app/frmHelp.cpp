#include "app/frmHelp.h"

#include "app/HelpLayout.h"
#include "app/Numbers.h"
#include "platform/ProgramDirectory.h"
#include "platform/RtfReader.h"
#include "platform/TwipsPlacement.h"
#include "platform/WindowEvents.h"

#include <QFileInfo>
#include <QResizeEvent>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace brimley {
namespace {

// The client area when the window is first created, in twips.
constexpr int InitialClientWidth = 11055;
constexpr int InitialClientHeight = 9270;

QString& helpFileOverride()
{
    static QString path;
    return path;
}

// The smallest whole number of pixels that covers a length in twips: a minimum of 1700 twips (113.3
// pixels) is kept as 114 pixels, never as 113.
int pixelsCovering(double twips)
{
    return static_cast<int>(std::ceil(twips / TwipsPerPixel - 1e-9));
}

} // namespace

const QString frmHelp::MissingFileMessage =
    QStringLiteral("Help file has been moved from its normal location.  Please reinstall the program.");
const QString frmHelp::UnreadableFileMessage =
    QStringLiteral("Help file cannot be read.  Please reinstall the program.");
const QString frmHelp::TooLongFileMessage =
    QStringLiteral("The rest of the help file is too long to be shown.");

QString frmHelp::helpFilePath()
{
    const QString& path = helpFileOverride();
    return path.isEmpty() ? ProgramDirectory::file(QStringLiteral("brimleyhelpfile.rtf")) : path;
}

void frmHelp::setHelpFilePathForTesting(const QString& path)
{
    helpFileOverride() = path;
}

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Brimley Help"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    resize(twipsToPixels(InitialClientWidth), twipsToPixels(InitialClientHeight));

    rtbHelp = new QTextBrowser(this);
    rtbHelp->setObjectName(QStringLiteral("rtbHelp"));
    // The document's automatic colour is black on white, whatever the desktop's colour scheme.
    QPalette paper = rtbHelp->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    rtbHelp->setPalette(paper);
    rtbHelp->setOpenLinks(false);
    rtbHelp->setUndoRedoEnabled(false);
    rtbHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    rtbHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rtbHelp->setLineWrapMode(QTextEdit::FixedPixelWidth);
    rtbHelp->move(twipsToPixels(120), 0);

    loadDocument();
}

frmHelp::~frmHelp() = default;

void frmHelp::loadDocument()
{
    const QString path = helpFilePath();
    if (!QFileInfo::exists(path)) {
        rtbHelp->setPlainText(MissingFileMessage);
        return;
    }
    // The document is built before the viewer sees it, so that the viewer lays it out only once.
    auto* document = new QTextDocument(rtbHelp);
    switch (RtfReader::readFile(path, *document)) {
    case RtfReader::Status::ReadInPart: {
        QTextCursor end(document);
        end.movePosition(QTextCursor::End);
        QTextCharFormat note;
        note.setFontItalic(true);
        note.setFontPointSize(10);
        end.insertBlock(QTextBlockFormat(), note);
        end.insertText(TooLongFileMessage, note);
        rtbHelp->setDocument(document);
        break;
    }
    case RtfReader::Status::Read:
        rtbHelp->setDocument(document);
        break;
    case RtfReader::Status::NoText:
    case RtfReader::Status::NotRtf:
    case RtfReader::Status::CannotOpen:
        delete document;
        rtbHelp->setPlainText(UnreadableFileMessage);
        break;
    }
}

void frmHelp::applyResizeRule()
{
    if (isMinimized())
        return;
    const QSize outer = frameGeometry().size();
    const QSize client = size();
    const HelpLayout layout = helpLayout(pixelsToTwips(outer.width()), pixelsToTwips(outer.height()));

    // The borders are known only once the window is on screen; the window manager then keeps the
    // window from being dragged below the minimum in the first place.
    const QSize borders = outer - client;
    setMinimumSize(pixelsCovering(HelpWindow::MinimumWidth) - borders.width(),
                   pixelsCovering(HelpWindow::MinimumHeight) - borders.height());
    const QSize wanted(std::max(outer.width(), pixelsCovering(layout.windowWidth)),
                       std::max(outer.height(), pixelsCovering(layout.windowHeight)));
    if (wanted != outer)
        resize(wanted - borders);

    rtbHelp->setGeometry(TwipsPlacement::toPixels(layout.viewer));
    rtbHelp->setLineWrapColumnOrWidth(std::max(1, twipsToPixels(layout.wrapWidth)));
    rtbHelp->viewport()->update();
}

void frmHelp::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyResizeRule();
}

void frmHelp::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (WindowEvents::restoredFromMinimized(this, event))
        applyResizeRule();
}

} // namespace brimley
