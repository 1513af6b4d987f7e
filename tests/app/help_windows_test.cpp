// The help window's topics and search, and the version window.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include "dialogs.h"
#include "help/help_window.h"
#include "help/version_window.h"

namespace {

// The file a topic of the help window is showing, "index.html" for the contents.
QString ShownFile(const THelpWindow& window) {
    return window.txtTopic->source().fileName();
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
        EXPECT_FALSE(window.txtTopic->documentTitle().isEmpty());
    }
    window.ShowTopic(999);
    EXPECT_EQ(ShownFile(window), QStringLiteral("index.html"));
    window.ShowTopic(230);
    window.btnContents->click();
    EXPECT_EQ(ShownFile(window), QStringLiteral("index.html"));
    window.btnBack->click();
    EXPECT_EQ(ShownFile(window), QStringLiteral("230.html"));
    window.btnForward->click();
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
    ASSERT_EQ(window.lstFound->count(), THelpWindow::TopicFiles().size() - 1);
    EXPECT_EQ(window.lstFound->item(0)->text(), QStringLiteral("メイン画面の使い方"));
    for (const auto& [word, titles] : rows) {
        SCOPED_TRACE(word);
        window.edtSearch->setText(QString::fromUtf8(word));
        QStringList found;
        for (int i = 0; i < window.lstFound->count(); ++i) {
            found.append(window.lstFound->item(i)->text());
        }
        found.sort();
        EXPECT_EQ(found.join(u'|'), QString::fromUtf8(titles));
    }
    window.edtSearch->setText(QStringLiteral("拡張子"));
    ASSERT_EQ(window.lstFound->count(), 2);
    window.lstFoundClick(window.lstFound->item(0));
    EXPECT_TRUE(window.txtTopic->toPlainText().contains(QStringLiteral("拡張子")));
}

TEST(VersionWindowTest, CaptionsAndCloseWithOk) {
    TfrmVersion window;
    window.show();
    QStringList shown{window.windowTitle(),
                      QStringLiteral("%1x%2").arg(window.width()).arg(window.height())};
    for (const QLabel* label :
         {window.lblProductName, window.lblVersion, window.lblComments, window.lblSchoolSet}) {
        shown.append(label->objectName() + u'=' + label->text());
    }
    shown.append(window.btnOK->text());
    // The version comes from the build; only its form is fixed here.
    shown.replaceInStrings(QRegularExpression(QStringLiteral("\\d+(\\.\\d+)+")),
                           QStringLiteral("N.N"));
    EXPECT_EQ(
        shown.join(u' '),
        QStringLiteral("バージョン情報 413x311 lblProductName=Kelvane Tesmara "
                       "lblVersion=バージョン N.N "
                       "lblComments=一次関数とそのグラフを学ぶためのソフト lblSchoolSet= 閉じる"));
    EXPECT_FALSE(window.ProgramIcon->pixmap().isNull());
    window.btnOK->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), ModalOk);
}

}  // namespace
