#include "helpviewer.h"

#include "helpchannel.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString kTitle = QStringLiteral("Brickloom Help");
}

HelpViewer::HelpViewer(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(kTitle);

    back_ = new QAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), this);
    back_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    back_->setToolTip(tr("Back (Alt+Left)"));
    connect(back_, &QAction::triggered, this, &HelpViewer::goBack);

    forward_ = new QAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), this);
    forward_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    forward_->setToolTip(tr("Forward (Alt+Right)"));
    connect(forward_, &QAction::triggered, this, &HelpViewer::goForward);

    home_ = new QAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), tr("Contents"), this);
    home_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    home_->setToolTip(tr("Contents (Alt+Home)"));
    connect(home_, &QAction::triggered, this, &HelpViewer::showContents);

    auto *close = new QAction(tr("Close"), this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    QToolBar *bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addActions({back_, forward_, home_});

    contents_ = new QListWidget;
    contents_->setObjectName(QStringLiteral("contentsList"));
    contents_->setSpacing(2);
    QFont listFont = contents_->font();
    listFont.setPointSizeF(listFont.pointSizeF() * 1.1);
    contents_->setFont(listFont);
    connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showTopic(contents_->item(row)->data(Qt::UserRole).toInt());
    });

    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("noteLabel"));
    note_->setWordWrap(true);
    note_->setMargin(8);
    note_->setStyleSheet(QStringLiteral("background: #fff4c2; color: black; border: 1px solid #d9b200;"));
    note_->hide();

    text_ = new QTextBrowser;
    text_->setObjectName(QStringLiteral("topicText"));
    text_->setOpenLinks(false);
    QFont textFont = text_->font();
    textFont.setPointSizeF(textFont.pointSizeF() * 1.15);
    text_->setFont(textFont);
    text_->document()->setDocumentMargin(16);
    connect(text_, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);

    auto *page = new QWidget;
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(note_);
    pageLayout->addWidget(text_);

    auto *splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 900});
    setCentralWidget(splitter);

    updateActions();
}

void HelpViewer::openFile(const QString &path, int topic)
{
    HelpFile file = HelpFile::load(path);
    if (!file.isValid()) {
        showProblem(tr("The help cannot be shown"), file.errorString());
        return;
    }
    file_ = file;
    history_.clear();
    {
        const QSignalBlocker blocker(contents_);
        contents_->clear();
        for (const HelpTopic &t : file_.topics()) {
            auto *item = new QListWidgetItem(QStringLiteral("%1   %2").arg(t.number).arg(t.title));
            item->setData(Qt::UserRole, t.number);
            contents_->addItem(item);
        }
    }
    contents_->show();
    showTopic(topic);
}

bool HelpViewer::claimChannel(const QString &path, int topic)
{
    auto *channel = new HelpChannel(this);
    if (!channel->claim(path, topic)) {
        delete channel;
        return false;
    }
    channel_ = channel;
    connect(channel, &HelpChannel::topicRequested, this, [this](int number) {
        showTopic(number);
        bringForward();
    });
    return true;
}

void HelpViewer::bringForward()
{
    showMaximized();
    raise();
    activateWindow();
}

void HelpViewer::closeEvent(QCloseEvent *event)
{
    // From now on a request starts a new viewer rather than reaching this one as it goes.
    if (channel_)
        channel_->close();
    QMainWindow::closeEvent(event);
}

void HelpViewer::showProblem(const QString &heading, const QString &details)
{
    file_ = HelpFile();
    history_.clear();
    {
        const QSignalBlocker blocker(contents_);
        contents_->clear();
    }
    contents_->hide();
    note_->hide();
    text_->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p><p>Press Escape to close this window.</p>")
                        .arg(heading.toHtmlEscaped(), details.toHtmlEscaped()));
    setWindowTitle(kTitle);
    updateActions();
}

void HelpViewer::showTopic(int number)
{
    if (file_.topics().isEmpty())
        return;
    if (file_.topic(number)) {
        note_->hide();
    } else {
        note_->setText(tr("There is no help topic %1 in this help file, so the contents are shown instead.")
                            .arg(number));
        note_->show();
        number = 1;
    }
    history_.visit(number);
    display(number);
}

void HelpViewer::showContents()
{
    showTopic(1);
}

void HelpViewer::goBack()
{
    if (!history_.canGoBack())
        return;
    note_->hide();
    display(history_.back());
}

void HelpViewer::goForward()
{
    if (!history_.canGoForward())
        return;
    note_->hide();
    display(history_.forward());
}

void HelpViewer::display(int number)
{
    const HelpTopic *topic = file_.topic(number);
    if (!topic)
        return;
    text_->setMarkdown(QStringLiteral("# %1\n\n%2\n").arg(topic->title, topic->text));
    setWindowTitle(QStringLiteral("%1 - %2").arg(kTitle, topic->title));
    {
        const QSignalBlocker blocker(contents_);
        for (int row = 0; row < contents_->count(); ++row) {
            if (contents_->item(row)->data(Qt::UserRole).toInt() == number)
                contents_->setCurrentRow(row);
        }
    }
    updateActions();
}

void HelpViewer::followLink(const QUrl &url)
{
    bool ok = false;
    const int number = url.fragment().toInt(&ok);
    if (url.scheme().isEmpty() && url.path().isEmpty() && ok)
        showTopic(number);
}

void HelpViewer::updateActions()
{
    back_->setEnabled(history_.canGoBack());
    forward_->setEnabled(history_.canGoForward());
    home_->setEnabled(!file_.topics().isEmpty());
}
