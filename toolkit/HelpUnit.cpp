#include "HelpUnit.h"

#include "ErrorUnit.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString& HelpFileName()
{
    static QString fileName;
    return fileName;
}

QPointer<THelpViewer>& Viewer()
{
    static QPointer<THelpViewer> viewer;
    return viewer;
}

void ShowTopicOfHelpFile(const QString& topic)
{
    // A viewer of another file (the tests switch installations) is replaced.
    if (!Viewer() || Viewer()->FileName() != HelpFile()) {
        delete Viewer();
        Viewer() = new THelpViewer(HelpFile());
    }
    Viewer()->ShowTopic(topic);
    Viewer()->show();
    Viewer()->raise();
    Viewer()->activateWindow();
}

} // namespace

THelpFile::THelpFile(const QString& fileName) : m_fileName(fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EError(QStringLiteral("File: ") + fileName + QStringLiteral(" does not exist!"));
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression marker(QStringLiteral("<!--(topic\\s+(\\S+)|end)\\s*-->"));
    QString name;
    qsizetype start = 0;
    for (auto match = marker.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        if (!name.isEmpty())
            m_topics.insert(name, html.mid(start, found.capturedStart() - start));
        name = found.captured(2);
        start = found.capturedEnd();
    }
    if (m_topics.isEmpty())
        throw EError(QStringLiteral("File: ") + fileName + QStringLiteral(" holds no help topics!"));
}

QString THelpFile::Topic(const QString& name) const
{
    const auto topic = m_topics.constFind(name);
    if (topic == m_topics.cend())
        throw EError(QStringLiteral("Help topic ") + name + QStringLiteral(" not found in ") + m_fileName);
    return *topic;
}

THelpViewer::THelpViewer(const QString& fileName, QWidget* parent)
    : QWidget(parent, Qt::Window), m_file(fileName), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Hjälp"));
    resize(560, 480);
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (m_file.HasTopic(link.fragment()))
            ShowTopic(link.fragment());
    });
    auto* contents = new QPushButton(QStringLiteral("&Innehåll"), this);
    contents->setObjectName(QStringLiteral("ContentsButton"));
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(QString::fromLatin1(ContentsTopic)); });
    auto* close = new QPushButton(QStringLiteral("&Stäng"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addLayout(buttons);
}

void THelpViewer::ShowTopic(const QString& name)
{
    m_browser->setHtml(m_file.Topic(name));
    m_current = name;
}

QString THelpViewer::Text() const
{
    return m_browser->toPlainText();
}

void SetHelpFile(const QString& fileName)
{
    HelpFileName() = fileName;
}

QString HelpFile()
{
    return HelpFileName();
}

void ShowHelpContents()
{
    ShowTopicOfHelpFile(QString::fromLatin1(ContentsTopic));
}

void ShowHelp(int context)
{
    ShowTopicOfHelpFile(QString::number(context));
}

THelpViewer* OpenHelpViewer()
{
    return Viewer();
}
