// The help window's topics and search, and the version window.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include "control_driver.h"
#include "dialogs.h"
#include "help/help_window.h"
#include "help/version_window.h"

namespace {

// The file a topic of the help window is showing, "index.html" for the contents.
QString ShownFile(const THelpWindow& window) {
    return Control<QTextBrowser>(window, "txtTopic")->source().fileName();
}

TEST(HelpWindowTest, EveryContextNumberLeadsToItsOwnTopic) {
    // The context numbers that F1 and the help commands ask for.
    const int contexts[] = {100, 102, 104, 105, 106, 112,  214, 216,
                            218, 220, 222, 223, 230, 1211, 1213};
    THelpWindow window;
    EXPECT_EQ(ShownFile(window), QStringLiteral("index.html"));
    for (const int context : contexts) {
        SCOPED_TRACE(context);
        window.ShowTopic(context);
        EXPECT_EQ(ShownFile(window), QStringLiteral("%1.html").arg(context));
        EXPECT_FALSE(Control<QTextBrowser>(window, "txtTopic")->documentTitle().isEmpty());
    }
    window.ShowTopic(999);
    EXPECT_EQ(ShownFile(window), QStringLiteral("index.html"));
    window.ShowTopic(230);
    Press(window, "btnContents");
    EXPECT_EQ(ShownFile(window), QStringLiteral("index.html"));
    Press(window, "btnBack");
    EXPECT_EQ(ShownFile(window), QStringLiteral("230.html"));
    Press(window, "btnForward");
    EXPECT_EQ(ShownFile(window), QStringLiteral("index.html"));
}

TEST(HelpWindowTest, EveryLinkLeadsToATopicAndEveryTopicIsReachable) {
    const QStringList files = THelpWindow::TopicFiles();
    ASSERT_TRUE(files.contains(QStringLiteral("index.html")));
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    QStringList linked{QStringLiteral("index.html")};
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        QFile in(QStringLiteral(":/help/") + file);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(in.readAll());
        for (const auto& match : link.globalMatch(html)) {
            EXPECT_TRUE(files.contains(match.captured(1))) << match.captured(1).toStdString();
            linked.append(match.captured(1));
        }
    }
    for (const QString& file : files) {
        EXPECT_TRUE(linked.contains(file)) << file.toStdString();
    }
}

TEST(HelpWindowTest, SearchListsTheTopicsThatContainAWord) {
    // A word, then the titles of the topics that contain it; before a search, every topic.
    const std::pair<const char*, const char*> rows[] = {
        {"拡張子", "ファイルの操作|ファイルを開く"},
        {"連立方程式", "指導例"},
        {"href", ""},  // link targets are not words of the text
    };
    THelpWindow window;
    auto* topics = Control<QListWidget>(window, "lstFound");
    auto* search = Control<QLineEdit>(window, "edtSearch");
    ASSERT_EQ(topics->count(), THelpWindow::TopicFiles().size() - 1);
    EXPECT_EQ(topics->item(0)->text(), QStringLiteral("メイン画面の使い方"));
    for (const auto& [word, titles] : rows) {
        SCOPED_TRACE(word);
        search->setText(QString::fromUtf8(word));
        QStringList found;
        for (int i = 0; i < topics->count(); ++i) {
            found.append(topics->item(i)->text());
        }
        found.sort();
        EXPECT_EQ(found.join(u'|'), QString::fromUtf8(titles));
    }
    search->setText(QStringLiteral("拡張子"));
    ASSERT_EQ(topics->count(), 2);
    window.lstFoundClick(topics->item(0));
    EXPECT_TRUE(Control<QTextBrowser>(window, "txtTopic")->toPlainText().contains("拡張子"));
}

TEST(VersionWindowTest, CaptionsAndCloseWithOk) {
    TfrmVersion window;
    window.show();
    QStringList shown{window.windowTitle(),
                      QStringLiteral("%1x%2").arg(window.width()).arg(window.height())};
    for (const char* name : {"lblProductName", "lblVersion", "lblComments", "lblSchoolSet"}) {
        shown.append(QLatin1String(name) + u'=' + Control<QLabel>(window, name)->text());
    }
    shown.append(Control<QPushButton>(window, "btnOK")->text());
    // The version comes from the build; only its form is fixed here.
    shown.replaceInStrings(QRegularExpression(QStringLiteral("\\d+(\\.\\d+)+")),
                           QStringLiteral("N.N"));
    EXPECT_EQ(
        shown.join(u' '),
        QStringLiteral("バージョン情報 413x311 lblProductName=Kelvane Tesmara "
                       "lblVersion=バージョン N.N "
                       "lblComments=一次関数とそのグラフを学ぶためのソフト lblSchoolSet= 閉じる"));
    EXPECT_FALSE(Control<QLabel>(window, "ProgramIcon")->pixmap().isNull());
    Press(window, "btnOK");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), ModalOk);
}

}  // namespace
