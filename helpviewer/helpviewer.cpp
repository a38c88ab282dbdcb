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

    m_back = new QAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), this);
    m_back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    m_back->setToolTip(tr("Back (Alt+Left)"));
    connect(m_back, &QAction::triggered, this, &HelpViewer::goBack);

    m_forward = new QAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), this);
    m_forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    m_forward->setToolTip(tr("Forward (Alt+Right)"));
    connect(m_forward, &QAction::triggered, this, &HelpViewer::goForward);

    m_home = new QAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), tr("Contents"), this);
    m_home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    m_home->setToolTip(tr("Contents (Alt+Home)"));
    connect(m_home, &QAction::triggered, this, &HelpViewer::showContents);

    auto *close = new QAction(tr("Close"), this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    QToolBar *bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addActions({m_back, m_forward, m_home});

    m_contents = new QListWidget;
    m_contents->setObjectName(QStringLiteral("contentsList"));
    m_contents->setSpacing(2);
    QFont listFont = m_contents->font();
    listFont.setPointSizeF(listFont.pointSizeF() * 1.1);
    m_contents->setFont(listFont);
    connect(m_contents, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showTopic(m_contents->item(row)->data(Qt::UserRole).toInt());
    });

    m_note = new QLabel;
    m_note->setObjectName(QStringLiteral("noteLabel"));
    m_note->setWordWrap(true);
    m_note->setMargin(8);
    m_note->setStyleSheet(QStringLiteral("background: #fff4c2; color: black; border: 1px solid #d9b200;"));
    m_note->hide();

    m_text = new QTextBrowser;
    m_text->setObjectName(QStringLiteral("topicText"));
    m_text->setOpenLinks(false);
    QFont textFont = m_text->font();
    textFont.setPointSizeF(textFont.pointSizeF() * 1.15);
    m_text->setFont(textFont);
    m_text->document()->setDocumentMargin(16);
    connect(m_text, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);

    auto *page = new QWidget;
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(m_note);
    pageLayout->addWidget(m_text);

    auto *splitter = new QSplitter;
    splitter->addWidget(m_contents);
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
    m_file = file;
    m_history.clear();
    {
        const QSignalBlocker blocker(m_contents);
        m_contents->clear();
        for (const HelpTopic &t : m_file.topics()) {
            auto *item = new QListWidgetItem(QStringLiteral("%1   %2").arg(t.number).arg(t.title));
            item->setData(Qt::UserRole, t.number);
            m_contents->addItem(item);
        }
    }
    m_contents->show();
    showTopic(topic);
}

bool HelpViewer::claimChannel(const QString &path, int topic)
{
    auto *channel = new HelpChannel(this);
    if (!channel->claim(path, topic)) {
        delete channel;
        return false;
    }
    m_channel = channel;
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
    if (m_channel)
        m_channel->close();
    QMainWindow::closeEvent(event);
}

void HelpViewer::showProblem(const QString &heading, const QString &details)
{
    m_file = HelpFile();
    m_history.clear();
    {
        const QSignalBlocker blocker(m_contents);
        m_contents->clear();
    }
    m_contents->hide();
    m_note->hide();
    m_text->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p><p>Press Escape to close this window.</p>")
                        .arg(heading.toHtmlEscaped(), details.toHtmlEscaped()));
    setWindowTitle(kTitle);
    updateActions();
}

void HelpViewer::showTopic(int number)
{
    if (m_file.topics().isEmpty())
        return;
    if (m_file.topic(number)) {
        m_note->hide();
    } else {
        m_note->setText(tr("There is no help topic %1 in this help file, so the contents are shown instead.")
                            .arg(number));
        m_note->show();
        number = 1;
    }
    m_history.visit(number);
    display(number);
}

void HelpViewer::showContents()
{
    showTopic(1);
}

void HelpViewer::goBack()
{
    if (!m_history.canGoBack())
        return;
    m_note->hide();
    display(m_history.back());
}

void HelpViewer::goForward()
{
    if (!m_history.canGoForward())
        return;
    m_note->hide();
    display(m_history.forward());
}

void HelpViewer::display(int number)
{
    const HelpTopic *topic = m_file.topic(number);
    if (!topic)
        return;
    m_text->setMarkdown(QStringLiteral("# %1\n\n%2\n").arg(topic->title, topic->text));
    setWindowTitle(QStringLiteral("%1 - %2").arg(kTitle, topic->title));
    {
        const QSignalBlocker blocker(m_contents);
        for (int row = 0; row < m_contents->count(); ++row) {
            if (m_contents->item(row)->data(Qt::UserRole).toInt() == number)
                m_contents->setCurrentRow(row);
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
    m_back->setEnabled(m_history.canGoBack());
    m_forward->setEnabled(m_history.canGoForward());
    m_home->setEnabled(!m_file.topics().isEmpty());
}
