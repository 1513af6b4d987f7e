// The help window.
#include "help/help_window.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>

#include "accessible_names.h"

namespace {

const QString TopicFolder = QStringLiteral(":/help/");
const QString ContentsFile = QStringLiteral("index.html");

QString ReadTopic(const QString& file) {
    QFile in(TopicFolder + file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

QString TitleOf(const QString& html) {
    static const QRegularExpression title(QStringLiteral("<title>(.*)</title>"));
    return title.match(html).captured(1);
}

// The topics in the order the contents page names them, which is the order a reader meets them
// in; a topic the contents leaves out comes last. The contents page itself is not a topic.
QStringList TopicsInContentsOrder() {
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\""));
    QStringList topics;
    for (const auto& match : link.globalMatch(ReadTopic(ContentsFile))) {
        topics.append(match.captured(1));
    }
    topics.append(THelpWindow::TopicFiles());
    topics.removeDuplicates();
    topics.removeAll(ContentsFile);
    return topics;
}

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Tesmara ヘルプ"));
    resize(820, 600);

    btnContents = new QPushButton(QStringLiteral("目次"), this);
    btnContents->setObjectName(QStringLiteral("btnContents"));
    btnBack = new QPushButton(QStringLiteral("戻る"), this);
    btnBack->setObjectName(QStringLiteral("btnBack"));
    btnBack->setEnabled(false);
    btnForward = new QPushButton(QStringLiteral("進む"), this);
    btnForward->setObjectName(QStringLiteral("btnForward"));
    btnForward->setEnabled(false);
    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    edtSearch->setPlaceholderText(QStringLiteral("検索する言葉"));
    edtSearch->setClearButtonEnabled(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnContents);
    buttons->addWidget(btnBack);
    buttons->addWidget(btnForward);
    buttons->addStretch();
    buttons->addWidget(edtSearch);

    lstFound = new QListWidget(this);
    lstFound->setObjectName(QStringLiteral("lstFound"));
    txtTopic = new QTextBrowser(this);
    txtTopic->setObjectName(QStringLiteral("txtTopic"));
    txtTopic->setOpenLinks(true);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(lstFound);
    splitter->addWidget(txtTopic);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({200, 620});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    NameForScreenReaders(this, {
                                   {edtSearch, QStringLiteral("検索する言葉")},
                                   {lstFound, QStringLiteral("ヘルプの項目")},
                                   {txtTopic, QStringLiteral("ヘルプの本文")},
                               });

    connect(btnContents, &QPushButton::clicked, this, &THelpWindow::ShowContents);
    connect(btnBack, &QPushButton::clicked, txtTopic, &QTextBrowser::backward);
    connect(btnForward, &QPushButton::clicked, txtTopic, &QTextBrowser::forward);
    connect(txtTopic, &QTextBrowser::backwardAvailable, btnBack, &QPushButton::setEnabled);
    connect(txtTopic, &QTextBrowser::forwardAvailable, btnForward, &QPushButton::setEnabled);
    connect(txtTopic, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(txtTopic->documentTitle() + QStringLiteral(" - Tesmara ヘルプ"));
    });
    connect(edtSearch, &QLineEdit::textChanged, this, &THelpWindow::edtSearchChange);
    connect(lstFound, &QListWidget::itemClicked, this, &THelpWindow::lstFoundClick);
    connect(lstFound, &QListWidget::itemActivated, this, &THelpWindow::lstFoundClick);

    ShowContents();
    edtSearchChange();  // with no word yet, every topic
}

void THelpWindow::ShowContents() {
    Open(ContentsFile);
}

void THelpWindow::ShowTopic(int context) {
    const QString file = QString::number(context) + QStringLiteral(".html");
    Open(QFile::exists(TopicFolder + file) ? file : ContentsFile);
}

QStringList THelpWindow::TopicFiles() {
    return QDir(TopicFolder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

void THelpWindow::edtSearchChange() {
    lstFound->clear();
    const QString word = edtSearch->text().trimmed();
    // The contents page names every topic, so it would match nearly every search; the topics
    // themselves are what the reader is looking for.
    for (const QString& file : TopicsInContentsOrder()) {
        const QString html = ReadTopic(file);
        // Only the words the reader sees count, not tag names or link targets.
        const QString text = QTextDocumentFragment::fromHtml(html).toPlainText();
        if (text.contains(word, Qt::CaseInsensitive)) {
            auto* item = new QListWidgetItem(TitleOf(html), lstFound);
            item->setData(Qt::UserRole, file);
        }
    }
}

void THelpWindow::lstFoundClick(QListWidgetItem* item) {
    if (item) {
        Open(item->data(Qt::UserRole).toString());
    }
}

void THelpWindow::Open(const QString& file) {
    txtTopic->setSource(QUrl(QStringLiteral("qrc") + TopicFolder + file));
}
